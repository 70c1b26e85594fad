#include "mdlPrinterSelection.h"

#include "mdlCatalogueOverlay.h"
#include "mdlDevNewPrt.h"
#include "mdlFeatureRecord.h"
#include "mdlFirmwareVersion.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlMapModel.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlModelResolution.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlProtocolLists.h"
#include "mdlQueryEmulation.h"
#include "mdlSelvanic.h"
#include "mdlUsbVidPidCheck.h"

namespace tolvane {
namespace {

void ShowField(const TProtocolField& field, const std::string& suffix) {
    if (field) {
        field(ProtocolWord(ProtocolKind) + suffix);
    }
}

} // namespace

TSelectionOutcome SelectPrinter(const TPrinterEntry& entry, const std::string& manualVpid) {
    TPrinterIdentity& identity = PrinterIdentity();
    const TModelResolution resolved = ResolveModel(entry.ListName, entry.GenKey, manualVpid);
    identity.ListName = entry.ListName;
    identity.Model = resolved.Model;
    identity.IdentityText = resolved.Identity;
    Selvanic().SetPrinterDefName(identity.ListName);
    Selvanic().SetPrinterBasName(identity.Model);
    Selvanic().DoAfterInitPara_SetPermission();
    CurrentFeatureRecord().TakeSelectionIdentity(identity.ListName, identity.Model);
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    identity.MapModel = MapModelOf(identity.Model, kDefaultMapModel, state ? state->Oem.get() : nullptr);
    RefreshPermissions(identity.Model);
    identity.PortAddress = entry.PortAddress;

    // The printer object of the command language's library, and the device
    // object bound to it.
    TSelectionOutcome outcome;
    outcome.createResult = PrtLib_Create(PrtLib_Current(), identity.MapModel);
    if (TDevNewPrt* devices = CurrentDevNewPrt()) {
        devices->Bind(entry.PortKind, ProtocolKind, identity.Model, identity.MapModel, identity.PortAddress);
    }
    outcome.vpidText = resolved.VpidText();
    outcome.identityDisplay = resolved.IdentityDisplay;
    return outcome;
}

bool PreCheckSelectedPrinter() {
    const TPrinterIdentity& identity = PrinterIdentity();
    if (InBuiltInList(lists::UsbPreCheckSkipNames, identity.ListName) ||
        !EditionHasFeature("FTNNo_ReadPrtBasicInfo_0")) {
        return true;
    }
    const TUsbCheckResult check = UsbVidPidCheck(identity.Model, CurrentFeatureRecord());
    if (!check.Passed) {
        if (!check.ResolvedName.empty()) {
            ShowInfo(check.ResolvedName);
        }
        return false;
    }
    return true;
}

int OpenOnCurrentLibrary() {
    const TPrtLib lib = PrtLib_Current();
    if (PrtLib_Handle(lib) == nullptr) {
        PrtLib_Create(lib, PrinterIdentity().MapModel);
    }
    if (TDevNewPrt* devices = CurrentDevNewPrt(); devices != nullptr && devices->Device() != nullptr) {
        devices->Device()->SetHandle(PrtLib_Handle(lib));
    }
    return PrtLib_Open(lib, PrinterIdentity().PortAddress);
}

bool OpenPrinterPort() {
    const int result = OpenOnCurrentLibrary();
    if (result == 0 || result == kAlreadyOpenResult) {
        return true;
    }
    ShowOpenPortError(result);
    return DebugMode();
}

// The port is opened through the library the detection will talk through:
// the catalogue's language when the printer need not be asked, Tsprix when
// the language query goes to the printer, the current one for a parameter
// read.
void PrepareDetection() {
    const std::string& model = PrinterIdentity().Model;
    const TCatalogueProtocols catalogue;
    if (!IsModelInList(model, catalogue.ParameterSetList("HaveTwoProtocol"))) {
        ProtocolKind = catalogue.ModelProtocol(model);
    } else if (!IsModelInList(model, catalogue.ParameterSetList("GDS"))) {
        ProtocolKind = kLangTspl;
    }
}

bool DetectProtocol(const TProtocolField& field) {
    ShowField(field, ",ProtocolType(02_01)");
    const TPrtLib before = PrtLib_Current();
    if (!QueryEmulationAnswered(PrinterIdentity().Model)) {
        ShowField(field, ",ProtocolType(02_02)");
        ShowErrorBox(LangText("_Err_ReadData"));
        return false;
    }
    const TPrtLib after = PrtLib_Current();
    if (after != before) {
        // The printer speaks another language: the port moves to its library.
        PrtLib_Close(before);
        if (TDevNewPrt* devices = CurrentDevNewPrt()) {
            const TPrinterIdentity& identity = PrinterIdentity();
            devices->Bind(devices->PortWord, ProtocolKind, identity.Model, identity.MapModel,
                          identity.PortAddress);
        }
        const int reopened = OpenOnCurrentLibrary();
        if (reopened != 0 && reopened != kAlreadyOpenResult) {
            ShowOpenPortError(reopened);
        }
    }
    ShowField(field, ",ProtocolType(02_02)");
    if (DebugMode()) {
        ShowInfo("Test:ProtocolType:" + std::to_string(ProtocolKind));
    }
    return true;
}

bool OpenAndDetect(const TProtocolField& field) {
    PrepareDetection();
    if (!OpenPrinterPort()) {
        return false;
    }
    if (!DetectProtocol(field)) {
        ClosePrinterPort();
        return false;
    }
    return true;
}

void ClosePrinterPort() {
    PrtLib_Close();
}

TParaDialogChoice ChooseParaDialogForSelectedPrinter() {
    TParaDialogQuery query;
    query.model = PrinterIdentity().Model;
    query.catalogueList = [](std::string_view key) { return ReadCatalogue(std::string(key)); };
    query.inBuiltInList = [](std::string_view list, const std::string& model) {
        return InBuiltInList(list, model);
    };
    query.usbIdentity = [] { return PrtLib_VidPid(); };
    query.firmwareAtLeast = [](std::string_view minimum) { return CheckFirmwareVersion(minimum); };
    return ChooseParaDialog(query);
}

bool PrepareDialogOpen(const TProtocolField& field) {
    if (!PreCheckSelectedPrinter() || !OpenAndDetect(field)) {
        return false;
    }
    ClosePrinterPort();
    return true;
}

} // namespace tolvane
