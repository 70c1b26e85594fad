// The decisions of the firmware update (dialog or update-mode command),
// test print and front sensor learning buttons, from the facts of a
// printer: no printer is involved.
#include "mdlConst_Permission.h"
#include "mdlDialogChoice.h"
#include "mdlMainActions.h"
#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tolvane {
namespace {

using Lists = std::map<std::string, std::string, std::less<>>;

// The facts of a printer whose catalogue lists, built-in lists, edition
// features, permissions and USB identity are given; `identityAsked` counts
// the USB identity reads.
struct FakePrinter {
    std::string listName;
    std::string model;
    Lists catalogue;
    Lists builtIn;
    std::set<std::string, std::less<>> features;
    std::map<std::string, int, std::less<>> permissions;
    std::string usbIdentity = "USB\\VID_20D1&PID_7008\\1-1";
    int protocolKind = kLangTspl;
    int identityAsked = 0;

    FakePrinter(std::string list, std::string name, Lists builtInLists, Lists catalogueLists = {})
        : listName(std::move(list)), model(std::move(name)), catalogue(std::move(catalogueLists)),
          builtIn(std::move(builtInLists)) {}

    TPrinterFacts Facts() {
        TPrinterFacts facts;
        facts.listName = listName;
        facts.model = model;
        const auto in = [](const Lists& lists, std::string_view key, const std::string& name) {
            const auto found = lists.find(key);
            return found != lists.end() && found->second.find("," + name + ",") != std::string::npos;
        };
        facts.inCatalogue = [this, in](std::string_view key, const std::string& name) {
            return in(catalogue, key, name);
        };
        facts.inBuiltIn = [this, in](std::string_view list, const std::string& name) {
            return in(builtIn, list, name);
        };
        facts.hasFeature = [this](std::string_view key) { return features.count(key) == 1; };
        facts.permission = [this](std::string_view number) {
            const auto found = permissions.find(number);
            return found != permissions.end() ? found->second : 0;
        };
        facts.usbIdentity = [this] {
            ++identityAsked;
            return usbIdentity;
        };
        facts.protocolKind = protocolKind;
        return facts;
    }
};

constexpr const char* kNewerIdentity = "USB\\VID_2AAF&PID_9008\\1-1";

TEST(DialogChoice, FirmwareUpdateMethodByFeatureCatalogueAndIdentity) {
    const Lists builtIn = {{std::string(lists::DfuMethodExceptModels), ",Excepted,"},
                           {std::string(lists::DfuChoiceModels), ",Chooser,Excepted,"}};
    const Lists catalogue = {{"IsbtnGDL", ",Gdl,Both,"}, {"Quistel_DFU", ",Quistel,Both,"}};
    struct Case {
        std::string model;
        bool methodFeature;
        std::string usbIdentity;
        std::optional<std::string> dialog; // none: update-mode command and external updater
        int identityAsked;
    } cases[] = {
        {"Plain", true, kNewerIdentity, "TfrmDownFirmwareSelType", 0},
        {"Gdl", true, kNewerIdentity, "TfrmDownFirmwareSelType", 0},
        {"Excepted", true, kNewerIdentity, "TfrmDFU_Quistel", 1},
        {"Excepted", true, "USB\\VID_20D1&PID_7008\\1-1", std::nullopt, 1},
        {"Gdl", false, kNewerIdentity, "TfrmGDL", 0},
        {"Both", false, kNewerIdentity, "TfrmGDL", 0},
        {"Quistel", false, kNewerIdentity, "TfrmDFU_Quistel", 0},
        {"Chooser", false, kNewerIdentity, "TfrmDFU_Quistel", 1},
        {"Chooser", false, "USB\\VID_20D1&PID_7008\\1-1", std::nullopt, 1},
        {"Chooser", false, "", std::nullopt, 1},
        {"Plain", false, kNewerIdentity, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        FakePrinter printer(c.model, c.model, builtIn, catalogue);
        if (c.methodFeature) {
            printer.features.insert("FTNNo_Dfu_UpdateMethod1");
        }
        printer.usbIdentity = c.usbIdentity;
        EXPECT_EQ(FirmwareUpdateDialog(printer.Facts()), c.dialog) << c.model << " " << c.usbIdentity;
        EXPECT_EQ(printer.identityAsked, c.identityAsked) << c.model << " " << c.usbIdentity;
    }
}

TEST(DialogChoice, UpdateModeCommandOfTheUpdaterPath) {
    const Lists builtIn = {{std::string(lists::DfuChoiceModels), ",Chooser,"}};
    const Lists catalogue = {{"Miro_DfuMode", ",Miro,Chooser,"}};
    const std::string withoutCommand = "Quiet,Chooser,Miro-Quiet,";
    using namespace std::string_literals;
    struct Case {
        std::string model;
        std::optional<TWireCommand> command;
    } cases[] = {
        {"Chooser", TWireCommand::Write("ZZZDFUMODE\r\n")},
        {"Quiet", std::nullopt},
        {"Miro", TWireCommand::Write("\x1d\x75\x55\xaa"s)},
        {"Plain", TWireCommand::Write("ZZZDFUMODE\r\n")},
    };
    for (const Case& c : cases) {
        FakePrinter printer(c.model, c.model, builtIn, catalogue);
        EXPECT_EQ(DfuModeCommand(printer.Facts(), withoutCommand), c.command) << c.model;
    }
}

TEST(DialogChoice, TestPrintDialogByFeatureNameAndLanguage) {
    const Lists builtIn = {{std::string(lists::PrintTextForm1ExceptNames), ",Excepted Name,"}};
    struct Case {
        std::string listName;
        bool form1Feature;
        int protocolKind;
        int choice;
        std::string dialog;
    } cases[] = {
        {"Any", true, kLangCpcl, 1, "T_frmPrintTextLabelCpclMirobt"},
        {"Any", true, kLangTspl, 1, "T_frmPrintTextLabelCpclMirobt"},
        {"Excepted Name", true, kLangTspl, 2, "T_frmPrintTextLabel"},
        {"Excepted Name", true, kLangEsc, 3, "T_frmPrintText"},
        {"Any", false, kLangTspl, 2, "T_frmPrintTextLabel"},
        {"Any", false, kLangCpcl, 3, "T_frmPrintText"},
        {"Any", false, kLangZpl, 3, "T_frmPrintText"},
    };
    for (const Case& c : cases) {
        FakePrinter printer(c.listName, "Model", builtIn);
        printer.protocolKind = c.protocolKind;
        if (c.form1Feature) {
            printer.features.insert("FTNNo_btnPrintText_Form1");
        }
        const int choice = PrintTextChoice(printer.Facts());
        EXPECT_EQ(choice, c.choice) << c.listName << " " << c.protocolKind;
        EXPECT_EQ(PrintTextDialog(choice), c.dialog) << c.listName << " " << c.protocolKind;
    }
    for (const int outside : {0, 4, -1}) {
        EXPECT_EQ(PrintTextDialog(outside), "") << "a typed choice outside 1 to 3 names no dialog";
    }
}

TEST(DialogChoice, FrontLearningQuestionAndExchange) {
    const Lists builtIn = {{std::string(lists::FrontLearnNoAskModels), ",Quiet,"},
                           {std::string(lists::FrontLearnFrontAdNames), ",FrontAd Name,"},
                           {std::string(lists::FrontLearnBaseModels), ",Base,"},
                           {std::string(lists::FrontLearnUsbModels), ",Usb,Quiet,"}};
    using enum TFrontLearnExchange;
    struct Case {
        std::string listName;
        std::string model;
        int noConfirmPermission;
        std::string usbIdentity;
        bool asks;
        TFrontLearnExchange exchange;
        int identityAsked;
    } cases[] = {
        {"Other", "Other", 0, kNewerIdentity, true, FrontAdRead, 0},
        {"Other", "Other", 1, kNewerIdentity, false, FrontAdRead, 0},
        {"Other", "Other", 2, kNewerIdentity, true, FrontAdRead, 0},
        {"Quiet", "Other", 0, kNewerIdentity, false, FrontAdRead, 0},
        {"Other", "Quiet", 0, kNewerIdentity, false, FrontAdRead, 1},
        {"FrontAd Name", "Base", 0, kNewerIdentity, true, FrontAdRead, 0},
        {"Other", "Base", 0, kNewerIdentity, true, SendFrontRead, 0},
        {"Other", "Usb", 0, kNewerIdentity, true, FrontAdRead, 1},
        {"Other", "Usb", 0, "USB\\VID_20D1&PID_7008\\1-1", true, SendFrontRead, 1},
        {"Other", "Usb", 0, "", true, SendFrontRead, 1},
    };
    for (const Case& c : cases) {
        FakePrinter printer(c.listName, c.model, builtIn);
        printer.permissions[std::string(kPermFrontLearnNoConfirm)] = c.noConfirmPermission;
        printer.usbIdentity = c.usbIdentity;
        const TPrinterFacts facts = printer.Facts();
        EXPECT_EQ(FrontLearnAsks(facts), c.asks) << c.listName << "/" << c.model;
        EXPECT_EQ(FrontLearnExchange(facts), c.exchange)
            << c.listName << "/" << c.model << " " << c.usbIdentity;
        EXPECT_EQ(printer.identityAsked, c.identityAsked) << c.listName << "/" << c.model;
    }
}

} // namespace
} // namespace tolvane
