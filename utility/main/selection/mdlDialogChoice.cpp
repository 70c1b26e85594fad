#include "mdlDialogChoice.h"

#include "mdlConst_Permission.h"
#include "mdlFirmwareFlow.h"
#include "mdlModelListNames.h"
#include "mdlPrinterLib.h"

#include <array>

namespace tolvane {

std::optional<std::string> FirmwareUpdateDialog(const TPrinterFacts& facts) {
    const std::string& model = facts.model;
    if (facts.HasFeature("FTNNo_Dfu_UpdateMethod1") &&
        !facts.InBuiltIn(lists::DfuMethodExceptModels, model)) {
        return "TfrmDownFirmwareSelType";
    }
    return FirmwareDialogAfterMethod(facts);
}

int PrintTextChoice(const TPrinterFacts& facts) {
    if (facts.HasFeature("FTNNo_btnPrintText_Form1") &&
        !facts.InBuiltIn(lists::PrintTextForm1ExceptNames, facts.listName)) {
        return 1;
    }
    return facts.protocolKind == kLangTspl ? 2 : 3;
}

std::string_view PrintTextDialog(int choice) {
    static constexpr std::array<std::string_view, 3> kDialogs = {"T_frmPrintTextLabelCpclMirobt",
                                                                 "T_frmPrintTextLabel", "T_frmPrintText"};
    return choice >= 1 && choice <= 3 ? kDialogs[static_cast<std::size_t>(choice - 1)] : std::string_view();
}

bool FrontLearnAsks(const TPrinterFacts& facts) {
    return !facts.InBuiltIn(lists::FrontLearnNoAskModels, facts.model) &&
           !facts.InBuiltIn(lists::FrontLearnNoAskModels, facts.listName) &&
           facts.Permission(kPermFrontLearnNoConfirm) != 1;
}

TFrontLearnExchange FrontLearnExchange(const TPrinterFacts& facts) {
    if (facts.InBuiltIn(lists::FrontLearnFrontAdNames, facts.listName)) {
        return TFrontLearnExchange::FrontAdRead;
    }
    if (facts.InBuiltIn(lists::FrontLearnBaseModels, facts.model)) {
        return TFrontLearnExchange::SendFrontRead;
    }
    if (facts.InBuiltIn(lists::FrontLearnUsbModels, facts.model)) {
        return facts.UsbIdentityHas(kLegacyUsbIdentity) ? TFrontLearnExchange::FrontAdRead
                                                        : TFrontLearnExchange::SendFrontRead;
    }
    return TFrontLearnExchange::FrontAdRead;
}

} // namespace tolvane
