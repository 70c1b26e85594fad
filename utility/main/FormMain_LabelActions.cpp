// The main window's button actions: the printer list buttons, the function
// buttons and the firmware update flow.
#include "FormMain_Label.h"

#include "FormPrinterManage_Label.h"
#include "mdlCatalogueData.h"
#include "mdlCatalogueOverlay.h"
#include "mdlConst_Permission.h"
#include "mdlDevNewPrt.h"
#include "mdlDialogRegistry.h"
#include "mdlFeatureRecord.h"
#include "mdlFileUtil.h"
#include "mdlFirmwareVersion.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlLangTextTable.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaDialogChoice.h"
#include "mdlPaths.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlProtocolLists.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlQueryEmulation.h"
#include "mdlUsbVidPidCheck.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>

#include <optional>

namespace tolvane {
namespace {

// Part of the USB identity of the printers that use the newer dialogs.
constexpr std::string_view kLegacyUsbIdentity = "VID_2AAF&PID_9";

std::string CodeText(const std::string& key, int code) {
    return LangText(key) + ":" + std::to_string(code);
}

bool HasFeature(const std::string& key) {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    return state != nullptr && state->HasFeature(key);
}

std::string ReplaceFirst(std::string text, std::string_view placeholder, const std::string& value) {
    if (const auto at = text.find(placeholder); at != std::string::npos) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::string ProtocolDescription(int language) {
    switch (language) {
    case 0:
        return "Desc:ESC";
    case 1:
        return "Desc:TSPL";
    case 2:
        return "Desc:STAR";
    case 3:
        return "Desc:CPCL";
    case 4:
        return "Desc:ZPL";
    case 5:
        return "Desc:EPL";
    default:
        return "Desc:" + std::to_string(language);
    }
}

} // namespace

// ---- port handling of the function buttons ----

int T_frmMain_Label::OpenOnCurrentLibrary() {
    const TPrtLib lib = PrtLib_Current();
    if (PrtLib_Handle(lib) == nullptr) {
        PrtLib_Create(lib, PrinterIdentity().MapModel);
    }
    if (TDevNewPrt* devices = CurrentDevNewPrt(); devices != nullptr && devices->Device() != nullptr) {
        devices->Device()->SetHandle(PrtLib_Handle(lib));
    }
    return PrtLib_Open(lib, PrinterIdentity().PortAddress);
}

bool T_frmMain_Label::OpenPrinterPort() {
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
void T_frmMain_Label::PrepareDetection() {
    const std::string& model = PrinterIdentity().Model;
    const TCatalogueProtocols catalogue;
    if (!IsModelInList(model, catalogue.ParameterSetList("HaveTwoProtocol"))) {
        ProtocolKind = catalogue.ModelProtocol(model);
    } else if (!IsModelInList(model, catalogue.ParameterSetList("GDS"))) {
        ProtocolKind = kLangTspl;
    }
}

void T_frmMain_Label::SetProtocolField(const std::string& suffix) {
    txtProtocolType_->setText(QString::fromStdString(ProtocolWord(ProtocolKind) + suffix));
}

void T_frmMain_Label::DetectProtocol(bool showInField) {
    if (showInField) {
        SetProtocolField(",ProtocolType(02_01)");
    }
    const TPrtLib before = PrtLib_Current();
    QueryEmulation(PrinterIdentity().Model);
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
    if (showInField) {
        SetProtocolField(",ProtocolType(02_02)");
    }
    if (DebugMode()) {
        ShowInfo("Test:ProtocolType:" + std::to_string(ProtocolKind));
    }
}

bool T_frmMain_Label::OpenAndDetect() {
    PrepareDetection();
    if (!OpenPrinterPort()) {
        return false;
    }
    DetectProtocol(true);
    return true;
}

void T_frmMain_Label::ClosePrinterPort() {
    PrtLib_Close();
}

void T_frmMain_Label::SendAction(const TWireCommand& command, const char* writeErrorKey) {
    const int result = SendWireCommand(command);
    if (command.kind == TWireCommand::TKind::Write && result != 0) {
        ShowErrorBox(CodeText(writeErrorKey, result));
    }
}

void T_frmMain_Label::OpenDialogClass(const std::string& className) {
    lastDialogClass_ = className;
    if (const TDialogOpener opener = FindDialog(className)) {
        opener(this);
    } else {
        ShowInfo(ReplaceFirst(LangText("FormMain_Label_MSGDialogPending"), "{0}", className));
    }
    PrinterSelect();
}

// ---- the printer list buttons ----

bool T_frmMain_Label::PreCheck() {
    PrinterSelect();
    const TPrinterIdentity& identity = PrinterIdentity();
    if (InBuiltInList(lists::UsbPreCheckSkipNames, identity.ListName) ||
        !HasFeature("FTNNo_ReadPrtBasicInfo_0")) {
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

void T_frmMain_Label::btnAddPrinterClick() {
    manage_->SetModeAdd(PrinterListPath());
    manage_->exec();
    if (manage_->Saved()) {
        LoadPrinterList(static_cast<int>(printers_.size()));
    } else {
        PrinterSelect();
    }
}

void T_frmMain_Label::btnModifyPrinterClick() {
    const int index = SelectedIndex() >= 0 ? SelectedIndex() : lastIndex_;
    if (index < 0 || index >= static_cast<int>(printers_.size())) {
        return;
    }
    manage_->SetModeModify(PrinterListPath(), index, printers_[static_cast<std::size_t>(index)]);
    manage_->exec();
    if (manage_->Saved()) {
        LoadPrinterList(index);
    } else {
        PrinterSelect();
    }
}

void T_frmMain_Label::btnDeletePrinterClick() {
    const int index = SelectedIndex();
    if (printers_.size() <= 1 || index < 0 || !AskOkCancel(LangText("FormMain_Label_MSGDeletePrinter"))) {
        return;
    }
    std::vector<TPrinterEntry> rows = printers_;
    rows.erase(rows.begin() + index);
    if (!WritePrinterList(PrinterListPath(), rows)) {
        ShowErrorBox(LangText("_Err_WriteData") + ":" + PrinterListPath());
        return;
    }
    LoadPrinterList(std::min(index, static_cast<int>(rows.size()) - 1));
}

void T_frmMain_Label::btnConnectTestClick() {
    const int result = OpenOnCurrentLibrary();
    PrtLib_Close();
    if (result == 0 || result == kAlreadyOpenResult) {
        ShowInfo(LangText("_ConnectOK"));
    } else {
        ShowErrorBox(CodeText("_Err_OpenPort", result));
    }
}

// ---- the function buttons ----

void T_frmMain_Label::btnPrinterInformationClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    if (ProtocolKind != kLangEsc) {
        OpenDialogClass("T_frmPrinterInformation");
    } else {
        ShowErrorBox(LangText("_Err_ProtocolFunction"));
    }
}

void T_frmMain_Label::btnPrintConfigInfoClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    SendAction(SelfTestCommand(Facts()), "_Err_OpenPort");
    ClosePrinterPort();
}

void T_frmMain_Label::btnPrintTextClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    static const char* const kDialogs[] = {"T_frmPrintTextLabelCpclMirobt", "T_frmPrintTextLabel",
                                           "T_frmPrintText"};
    int choice = 3;
    if (HasFeature("FTNNo_btnPrintText_Form1") &&
        !InBuiltInList(lists::PrintTextForm1ExceptNames, PrinterIdentity().ListName)) {
        choice = 1;
    } else if (ProtocolKind == kLangTspl) {
        choice = 2;
    }
    if (DebugMode()) {
        bool ok = false;
        const int typed =
            QInputDialog::getInt(this, "Title:Test - PrintType", "PrintType:", choice, 1, 3, 1, &ok);
        if (ok) {
            choice = typed;
        }
    }
    OpenDialogClass(kDialogs[choice - 1]);
}

void T_frmMain_Label::btnStartLearnClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    SendAction(LearnCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::btnFrontLearnClick() {
    if (!PreCheck()) {
        return;
    }
    const TPrinterIdentity& identity = PrinterIdentity();
    const bool noQuestion = InBuiltInList(lists::FrontLearnNoAskModels, identity.Model) ||
                            InBuiltInList(lists::FrontLearnNoAskModels, identity.ListName) ||
                            Permission(kPermFrontLearnNoConfirm) == 1;
    if (!noQuestion && !AskOkCancel(ReplaceFirst(LangAll("Lang_All_00210090_11"), "{0}", ""))) {
        return;
    }
    if (!OpenPrinterPort()) {
        return;
    }
    const auto frontAd = [] { CmdGetVal(QuoteKey("front_ad")); };
    const auto emptyKeyRead = [] {
        SendFront();
        CmdGetVal("");
    };
    if (InBuiltInList(lists::FrontLearnFrontAdNames, identity.ListName)) {
        frontAd();
    } else if (InBuiltInList(lists::FrontLearnBaseModels, identity.Model)) {
        emptyKeyRead();
    } else if (InBuiltInList(lists::FrontLearnUsbModels, identity.Model)) {
        if (PrtLib_VidPid().find(kLegacyUsbIdentity) != std::string::npos) {
            frontAd();
        } else {
            emptyKeyRead();
        }
    } else {
        frontAd();
    }
    ClosePrinterPort();
    ShowInfo(LangAll("Lang_All_00210379_11"));
}

void T_frmMain_Label::btnParameterSettingClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    const TPrinterIdentity& identity = PrinterIdentity();
    TParaDialogQuery query;
    query.model = identity.Model;
    query.catalogueList = [](std::string_view key) { return ReadCatalogue(std::string(key)); };
    query.inBuiltInList = [](std::string_view list, const std::string& model) {
        return InBuiltInList(list, model);
    };
    query.usbIdentity = [] { return PrtLib_VidPid(); };
    query.firmwareAtLeast = [](std::string_view minimum) { return CheckFirmwareVersion(minimum); };
    const TParaDialogChoice choice = ChooseParaDialog(query);
    if (DebugMode()) {
        ShowInfo("Test - PrtDefName:" + identity.ListName + ",PrtBasName:" + identity.Model +
                 ",ProtocolType:" + std::to_string(ProtocolKind) + "," + ProtocolDescription(ProtocolKind));
        ShowInfo(ReplaceFirst(LangAll("Lang_Pos_00010030_11"), "{0}", choice.list));
    }
    OpenDialogClass(choice.dialog);
}

void T_frmMain_Label::btnFactorySettingClick() {
    if (!PreCheck() || !AskOkCancel(LangText("FormMain_Label_MSGRestore")) || !OpenAndDetect()) {
        return;
    }
    SendAction(FactoryDefaultCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::btnModelTestClick() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    SendAction(ModuleTestCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::Button1Click() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    OpenDialogClass("TfrmDLUF");
}

void T_frmMain_Label::Button2Click() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    const bool kavo = IsModelInList(PrinterIdentity().Model, ReadCatalogue("DLFile_Kavo"));
    OpenDialogClass(kavo ? "TfrmDLFile_Kavo" : "TfrmDLFile");
}

void T_frmMain_Label::Button3Click() {
    if (!PreCheck() || !OpenAndDetect()) {
        return;
    }
    ClosePrinterPort();
    OpenDialogClass("TfrmDLF");
}

void T_frmMain_Label::Button4Click() {
    OpenDialogClass("T_frmPrinterStatus");
}

void T_frmMain_Label::btnCommandTestClick() {
    if (!PreCheck()) {
        return;
    }
    OpenDialogClass("T_frmCommandTest");
    // The command test may have left the TSPL printer object in any state:
    // it is created again for the map model (or its substitute).
    std::string model = PrinterIdentity().MapModel;
    for (const TNameMapRow& row : CommandTestSubstituteRows()) {
        if (InBuiltInList(row.from, PrinterIdentity().MapModel)) {
            model = std::string(row.to);
            break;
        }
    }
    if (const int created = PrtLib_Create(TPrtLib::Tsprix, model); created != 0) {
        ShowErrorBox(CodeText("_Err_CreatePrinter", created));
    }
}

void T_frmMain_Label::btnScanTestClick() {
    if (!PreCheck() || !OpenPrinterPort()) {
        return;
    }
    OpenDialogClass("T_frmScanTest");
    ClosePrinterPort();
}

void T_frmMain_Label::btnAdvancedSettingsClick() {
    if (PreCheck()) {
        OpenDialogClass("TfrmAdvancedSettings");
    }
}

void T_frmMain_Label::btnRfidSetClick() {
    if (PreCheck()) {
        OpenDialogClass("TfrmRfidSet");
    }
}

// ---- firmware update ----

void T_frmMain_Label::btnDFUClick() {
    if (!PreCheck()) {
        return;
    }
    const std::string& model = PrinterIdentity().Model;
    if (HasFeature("FTNNo_Dfu_UpdateMethod1") && !InBuiltInList(lists::DfuMethodExceptModels, model)) {
        OpenDialogClass("TfrmDownFirmwareSelType");
        return;
    }
    if (IsModelInList(model, ReadCatalogue("IsbtnGDL"))) {
        OpenDialogClass("TfrmGDL");
        return;
    }
    if (IsModelInList(model, ReadCatalogue("Quistel_DFU"))) {
        OpenDialogClass("TfrmDFU_Quistel");
        return;
    }
    if (InBuiltInList(lists::DfuChoiceModels, model) &&
        PrtLib_VidPid().find(kLegacyUsbIdentity) != std::string::npos) {
        OpenDialogClass("TfrmDFU_Quistel");
        return;
    }
    RunDfuCommandAndUpdater();
}

void T_frmMain_Label::RunDfuCommandAndUpdater() {
    const int opened = OpenOnCurrentLibrary();
    if (opened != 0 && opened != kAlreadyOpenResult) {
        PrtLib_Close();
        ShowErrorBox(CodeText("_Err_OpenPort", opened));
        return;
    }
    const TPrinterFacts facts = Facts();
    std::optional<TWireCommand> command;
    if (InBuiltInList(lists::DfuChoiceModels, facts.model)) {
        command = TWireCommand::Write("ZZZDFUMODE\r\n");
    } else {
        command = DfuModeCommand(facts, ReadCatalogue("DFUWithoutCMD"));
    }
    if (command) {
        SendAction(*command, "_Err_WriteData");
    }
    ClosePrinterPort();
    StartExternalUpdater();
}

void T_frmMain_Label::StartExternalUpdater() {
    const std::string folder = AppFolder() + "FWUpdate/";
    const std::string program = folder + "Brakwell";
    if (!FileExists(program)) {
        ShowErrorBox(LangText("_Err_FileNotExist") + ":" + program);
        return;
    }
    if (!QProcess::startDetached(QString::fromStdString(program), {}, QString::fromStdString(folder))) {
        ShowErrorBox(LangText("_Err_FileNotExist") + ":" + program);
    }
}

void T_frmMain_Label::btnDFU2Click() {
    if (PreCheck()) {
        OpenDialogClass("TfrmDFU_Quistel");
    }
}

// ---- developer items ----

void T_frmMain_Label::btnMoreClick() {
    QMenu menu(this);
    QAction* item = menu.addAction("GetPrtBasName");
    if (menu.exec(btnMore_->mapToGlobal(QPoint(0, btnMore_->height()))) == item) {
        ShowInfo("Test - PrtDefName:" + PrinterIdentity().ListName +
                 ",PrtBasName:" + PrinterIdentity().Model);
    }
}

void T_frmMain_Label::btnGetProtocolTypeClick() {
    PrinterSelect();
    ProtocolKind = kLangTspl;
    SetProtocolField(",ProtocolType(03_01)");
    PrepareDetection();
    if (OpenPrinterPort()) {
        DetectProtocol(false);
        ClosePrinterPort();
    }
    SetProtocolField(",ProtocolType(03_02)");
}

} // namespace tolvane
