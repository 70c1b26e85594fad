#include "mdlParaDialogChoice.h"

#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlPrinterFacts.h"

#include <array>

namespace tolvane {
namespace {

using enum TParaDialogTest;

// clang-format off
constexpr std::array<TParaDialogRule, 20> kRules = {{
    {"Tallis_NoNetParameterSetting", "", "", "", None, "", "T_frmParaSet_Dovrin_Brenn", ""},
    {"Sendo_ParameterSetting", "", "", "", UsbIdentity, kLegacyUsbIdentity, "T_frmParaSet_Miro", "T_frmParaSet_Sendo"},
    {"Miro_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Miro", ""},
    {"Kesto_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Kesto", ""},
    {"Pirvo_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Pirvo", ""},
    {"Ombra_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Ombra", ""},
    {"Fenno_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Fenno", ""},
    {"Dapra_ParameterSetting", "", "", "Ruvex-BT", None, "", "T_frmParaSet_Dapra", ""},
    {"Oskin_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Oskin", ""},
    {"Dresk_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Dresk", ""},
    {"Lunec_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Lunec", ""},
    {"Quist_ParameterSetting", "", "", "", Firmware, "1.0.0", "T_frmParaSet_Quist", "T_frmParaSet_Quist_Tarnik"},
    {"Pelso_ParameterSetting", "Bexley_ParameterSetting", "", "", None, "", "T_frmParaSet_Pelso", ""},
    {"Tramwe_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Tramwe", ""},
    {"Velko_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Velko", ""},
    {"Tallis_ParameterSetting", "", "", "", Firmware, "1.03.0", "T_frmParaSet_Dovrin", "T_frmParaSet_Dovrin_Tarnik"},
    {"", "", lists::QuistelFamilyModels, "", None, "", "T_frmParaSet_Quistel", ""},
    {"Gulvo_ParameterSetting", "", "", "", Firmware, "1.0.0", "T_frmParaSet_Gulvo", "T_frmParaSet_Gulvo_Tarnik"},
    {"Kavo_ParameterSetting", "", "", "", None, "", "T_frmParaSet_Kavo", ""},
    {"", "", "", "", None, "", "T_frmParaSet_Pelso", ""},
}};
// clang-format on

// The list text of a rule that holds the model ("" when it does not match).
bool Matches(const TParaDialogRule& rule, const TParaDialogQuery& query, std::string& matchedList) {
    for (std::string_view key : {rule.listKey, rule.listKey2}) {
        if (key.empty()) {
            continue;
        }
        std::string list = query.catalogueList ? query.catalogueList(key) : std::string();
        if (IsModelInList(query.model, list)) {
            matchedList = std::move(list);
            return true;
        }
    }
    if (!rule.builtInList.empty() && query.inBuiltInList &&
        query.inBuiltInList(rule.builtInList, query.model)) {
        matchedList = std::string(rule.builtInList);
        return true;
    }
    if (!rule.model.empty() && query.model == rule.model) {
        matchedList = "," + std::string(rule.model) + ",";
        return true;
    }
    if (rule.listKey.empty() && rule.builtInList.empty() && rule.model.empty()) {
        matchedList = "Other Prt...(...)";
        return true;
    }
    return false;
}

// Whether the rule's dialog (true) or its alternative (false) applies;
// nothing when the test got no usable answer.
std::optional<bool> PassesTest(const TParaDialogRule& rule, const TParaDialogQuery& query) {
    switch (rule.test) {
    case UsbIdentity:
        return query.usbIdentity && query.usbIdentity().find(rule.testArgument) != std::string::npos;
    case Firmware:
        return query.firmwareAtLeast ? query.firmwareAtLeast(rule.testArgument) : std::optional<bool>(false);
    case None:
        break;
    }
    return true;
}

} // namespace

std::span<const TParaDialogRule> ParaDialogRules() {
    return kRules;
}

TParaDialogChoice ChooseParaDialog(const TParaDialogQuery& query) {
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        const TParaDialogRule& rule = kRules[i];
        std::string list;
        if (!Matches(rule, query, list)) {
            continue;
        }
        const std::optional<bool> passes = PassesTest(rule, query);
        if (!passes) {
            return {"", true, static_cast<int>(i) + 1, list};
        }
        return {std::string(*passes ? rule.dialog : rule.alternative), false, static_cast<int>(i) + 1, list};
    }
    return {};
}

} // namespace tolvane
