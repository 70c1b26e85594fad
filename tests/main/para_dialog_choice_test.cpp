// The parameter dialog rules: which dialog each kind of model gets, in rule
// order, with the USB identity and firmware variants.
#include "mdlModelListNames.h"
#include "mdlParaDialogChoice.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace tolvane {
namespace {

// One model per catalogue list; "Both" is in the Miro and the Kavo list.
const std::map<std::string, std::string, std::less<>> kCatalogue = {
    {"Tallis_NoNetParameterSetting", ",NoNet,"}, {"Sendo_ParameterSetting", ",Sendo,"},
    {"Miro_ParameterSetting", ",Miro,Both,"},    {"Kesto_ParameterSetting", ",Kesto,"},
    {"Pirvo_ParameterSetting", ",Pirvo,"},       {"Ombra_ParameterSetting", ",Ombra,"},
    {"Fenno_ParameterSetting", ",Fenno,"},       {"Dapra_ParameterSetting", ",Dapra,"},
    {"Oskin_ParameterSetting", ",Oskin,"},       {"Dresk_ParameterSetting", ",Dresk,"},
    {"Lunec_ParameterSetting", ",Lunec,"},       {"Quist_ParameterSetting", ",Quist,"},
    {"Pelso_ParameterSetting", ",Pelso,"},       {"Bexley_ParameterSetting", ",Bexley,"},
    {"Tramwe_ParameterSetting", ",Tramwe,"},     {"Velko_ParameterSetting", ",Velko,"},
    {"Tallis_ParameterSetting", ",Tallis,"},     {"Gulvo_ParameterSetting", ",Gulvo,"},
    {"Kavo_ParameterSetting", ",Kavo,Both,"},
};

struct Printer {
    std::string usbIdentity = "USB\\VID_20D1&PID_7008";
    // The firmware check's answer; nothing when the reply decided nothing.
    std::optional<bool> firmwareNew = true;
};

TParaDialogChoice Choose(const std::string& model, const Printer& printer, std::vector<std::string>* asked) {
    TParaDialogQuery query;
    query.model = model;
    query.catalogueList = [](std::string_view key) {
        const auto found = kCatalogue.find(key);
        return found != kCatalogue.end() ? found->second : std::string();
    };
    query.inBuiltInList = [](std::string_view list, const std::string& name) {
        return list == lists::QuistelFamilyModels && (name == "Quistel" || name == "Quistel-C");
    };
    query.usbIdentity = [&] {
        asked->push_back("identity");
        return printer.usbIdentity;
    };
    query.firmwareAtLeast = [&](std::string_view minimum) {
        asked->push_back("firmware " + std::string(minimum));
        return printer.firmwareNew;
    };
    return ChooseParaDialog(query);
}

TEST(ParaDialogChoice, EachModelGetsTheDialogOfItsFirstMatchingRule) {
    const Printer newer;
    const Printer older{"USB\\VID_2AAF&PID_9006&REV_0100", false};
    const Printer cutOff{"USB\\VID_20D1&PID_7008", std::nullopt};
    struct Case {
        std::string model;
        const Printer& printer;
        std::string dialog;
        int rule;
        std::vector<std::string> asked;
    } cases[] = {
        {"NoNet", newer, "T_frmParaSet_Dovrin_Brenn", 1, {}},
        {"Sendo", newer, "T_frmParaSet_Sendo", 2, {"identity"}},
        {"Sendo", older, "T_frmParaSet_Miro", 2, {"identity"}},
        {"Miro", newer, "T_frmParaSet_Miro", 3, {}},
        {"Both", newer, "T_frmParaSet_Miro", 3, {}},
        {"Kesto", newer, "T_frmParaSet_Kesto", 4, {}},
        {"Pirvo", newer, "T_frmParaSet_Pirvo", 5, {}},
        {"Ombra", newer, "T_frmParaSet_Ombra", 6, {}},
        {"Fenno", newer, "T_frmParaSet_Fenno", 7, {}},
        {"Dapra", newer, "T_frmParaSet_Dapra", 8, {}},
        {"Ruvex-BT", newer, "T_frmParaSet_Dapra", 8, {}},
        {"Oskin", newer, "T_frmParaSet_Oskin", 9, {}},
        {"Dresk", newer, "T_frmParaSet_Dresk", 10, {}},
        {"Lunec", newer, "T_frmParaSet_Lunec", 11, {}},
        {"Quist", newer, "T_frmParaSet_Quist", 12, {"firmware 1.0.0"}},
        {"Quist", older, "T_frmParaSet_Quist_Tarnik", 12, {"firmware 1.0.0"}},
        {"Pelso", newer, "T_frmParaSet_Pelso", 13, {}},
        {"Bexley", newer, "T_frmParaSet_Pelso", 13, {}},
        {"Tramwe", newer, "T_frmParaSet_Tramwe", 14, {}},
        {"Velko", newer, "T_frmParaSet_Velko", 15, {}},
        {"Tallis", newer, "T_frmParaSet_Dovrin", 16, {"firmware 1.03.0"}},
        {"Tallis", older, "T_frmParaSet_Dovrin_Tarnik", 16, {"firmware 1.03.0"}},
        {"Quistel-C", newer, "T_frmParaSet_Quistel", 17, {}},
        {"Gulvo", newer, "T_frmParaSet_Gulvo", 18, {"firmware 1.0.0"}},
        {"Gulvo", older, "T_frmParaSet_Gulvo_Tarnik", 18, {"firmware 1.0.0"}},
        // A firmware check that decided nothing chooses no dialog at all.
        {"Gulvo", cutOff, "", 18, {"firmware 1.0.0"}},
        {"Tallis", cutOff, "", 16, {"firmware 1.03.0"}},
        {"Quist", cutOff, "", 12, {"firmware 1.0.0"}},
        {"Kavo", older, "T_frmParaSet_Kavo", 19, {}},
        {"Unlisted", newer, "T_frmParaSet_Pelso", 20, {}},
        {"Kav", newer, "T_frmParaSet_Pelso", 20, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> asked;
        const TParaDialogChoice choice = Choose(c.model, c.printer, &asked);
        EXPECT_EQ(choice.dialog, c.dialog) << c.model;
        EXPECT_EQ(choice.failed, c.dialog.empty()) << c.model;
        EXPECT_EQ(choice.ruleNumber, c.rule) << c.model;
        EXPECT_EQ(asked, c.asked) << c.model << ": the printer is asked only by the rule that needs it";
    }
}

TEST(ParaDialogChoice, NamesTheMatchingListForTheDeveloperMessage) {
    std::vector<std::string> asked;
    EXPECT_EQ(Choose("Kavo", {}, &asked).list, ",Kavo,Both,");
    EXPECT_EQ(Choose("Unlisted", {}, &asked).list, "Other Prt...(...)");
    EXPECT_EQ(ParaDialogRules().size(), 20u);
    EXPECT_TRUE(ParaDialogRules().back().listKey.empty());
}

} // namespace
} // namespace tolvane
