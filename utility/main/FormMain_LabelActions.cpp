// The main window's button actions: the printer list buttons, the function
// buttons and the firmware update flow.
#include "FormMain_Label.h"

#include "FormPrinterManage_Label.h"
#include "mdlCatalogueData.h"
#include "mdlCatalogueOverlay.h"
#include "mdlDevNewPrt.h"
#include "mdlDialogChoice.h"
#include "mdlDialogRegistry.h"
#include "mdlErrorText.h"
#include "mdlFileUtil.h"
#include "mdlFirmwareFlow.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlLangTextTable.h"
#include "mdlMainButtons.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlPaths.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterSelection.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlReplaceText.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

#include <optional>

namespace tolvane {
namespace {

std::string CodeText(const std::string& key, int code) {
    return ErrorCodeText(key, code);
}

} // namespace

// ---- port handling of the function buttons ----

void T_frmMain_Label::SetProtocolField(const std::string& suffix) {
    txtProtocolType_->setText(QString::fromStdString(ProtocolWord(ProtocolKind) + suffix));
}

TProtocolField T_frmMain_Label::ProtocolField() {
    return [this](const std::string& text) { txtProtocolType_->setText(QString::fromStdString(text)); };
}

bool T_frmMain_Label::PrepareDialog() {
    PrinterSelect();
    return PrepareDialogOpen(ProtocolField());
}

void T_frmMain_Label::SendAction(const TWireCommand& command, const char* writeErrorKey) {
    // Every one-shot command ends with one box: the printer took it, or
    // why not.
    const int result = SendWireCommand(command);
    if (result != 0) {
        ShowErrorBox(CodeText(writeErrorKey, result));
    } else {
        ShowInfo(LangText("FormMain_Label_CommandSent"));
    }
}

void T_frmMain_Label::OpenDialogClass(const std::string& className) {
    lastDialogClass_ = className;
    if (const TDialogOpener opener = FindDialog(className)) {
        opener(this);
    } else {
        ShowInfo(ReplaceText(LangText("FormMain_Label_MSGDialogPending"), className));
    }
    PrinterSelect();
}

// ---- the printer list buttons ----

bool T_frmMain_Label::PreCheck() {
    PrinterSelect();
    return PreCheckSelectedPrinter();
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
    PrinterSelect();
    // A printer known to refuse is told so before its port is opened.
    if (InformationRefused(Facts())) {
        ShowErrorBox(LangText("_Err_ProtocolFunction"));
        return;
    }
    if (!PrepareDialogOpen(ProtocolField())) {
        return;
    }
    if (ProtocolKind != kLangEsc) {
        OpenDialogClass("T_frmPrinterInformation");
    } else {
        ShowErrorBox(LangText("_Err_ProtocolFunction"));
    }
}

void T_frmMain_Label::btnPrintConfigInfoClick() {
    if (!PreCheck() || !OpenAndDetect(ProtocolField())) {
        return;
    }
    SendAction(SelfTestCommand(Facts()), "_Err_OpenPort");
    ClosePrinterPort();
}

void T_frmMain_Label::btnPrintTextClick() {
    if (!PrepareDialog()) {
        return;
    }
    int choice = PrintTextChoice(Facts());
    if (DebugMode()) {
        bool ok = false;
        const int typed =
            QInputDialog::getInt(this, "Title:Test - PrintType", "PrintType:", choice, 1, 3, 1, &ok);
        if (ok) {
            choice = typed;
        }
    }
    OpenDialogClass(std::string(PrintTextDialog(choice)));
}

void T_frmMain_Label::btnStartLearnClick() {
    if (!PreCheck() || !OpenAndDetect(ProtocolField())) {
        return;
    }
    SendAction(LearnCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::btnFrontLearnClick() {
    if (!PreCheck()) {
        return;
    }
    const TPrinterFacts facts = Facts();
    if (FrontLearnAsks(facts) && !AskOkCancel(ReplaceText(LangAll("Lang_All_00210090_11"), ""))) {
        return;
    }
    if (!OpenPrinterPort()) {
        return;
    }
    if (FrontLearnExchange(facts) == TFrontLearnExchange::FrontAdRead) {
        CmdGetVal(QuoteKey("front_ad"));
    } else {
        SendFront();
        CmdGetVal("");
    }
    ClosePrinterPort();
    ShowInfo(LangAll("Lang_All_00210379_11"));
}

void T_frmMain_Label::btnParameterSettingClick() {
    if (!PrepareDialog()) {
        return;
    }
    const TPrinterIdentity& identity = PrinterIdentity();
    const TParaDialogChoice choice = ChooseParaDialogForSelectedPrinter();
    if (choice.failed) {
        return;
    }
    if (DebugMode()) {
        ShowInfo("Test - PrtDefName:" + identity.ListName + ",PrtBasName:" + identity.Model +
                 ",ProtocolType:" + std::to_string(ProtocolKind) + "," + ProtocolDescription(ProtocolKind));
        ShowInfo(ReplaceText(LangAll("Lang_Pos_00010030_11"), choice.list));
    }
    OpenDialogClass(choice.dialog);
}

void T_frmMain_Label::btnFactorySettingClick() {
    if (!PreCheck() || !AskOkCancel(LangText("FormMain_Label_MSGRestore")) ||
        !OpenAndDetect(ProtocolField())) {
        return;
    }
    SendAction(FactoryDefaultCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::btnModelTestClick() {
    if (!PreCheck() || !OpenAndDetect(ProtocolField())) {
        return;
    }
    SendAction(ModuleTestCommand(Facts()), "_Err_WriteData");
    ClosePrinterPort();
}

void T_frmMain_Label::Button1Click() {
    if (!PrepareDialog()) {
        return;
    }
    OpenDialogClass("TfrmDLUF");
}

void T_frmMain_Label::Button2Click() {
    if (!PrepareDialog()) {
        return;
    }
    const bool kavo = IsModelInList(PrinterIdentity().Model, ReadCatalogue("DLFile_Kavo"));
    OpenDialogClass(kavo ? "TfrmDLFile_Kavo" : "TfrmDLFile");
}

void T_frmMain_Label::Button3Click() {
    if (!PrepareDialog()) {
        return;
    }
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
    if (const std::optional<std::string> dialog = FirmwareUpdateDialog(Facts())) {
        if (*dialog == "TfrmDownFirmwareSelType") {
            RunFirmwareMethodChoice();
        } else {
            OpenDialogClass(*dialog);
        }
        return;
    }
    RunDfuCommandAndUpdater();
}

// The models that say how they are updated: the printer's answer
// preselects the method; "BIN 01" updates by OTA packets, any other
// method goes on as for the models without a choice.
void T_frmMain_Label::RunFirmwareMethodChoice() {
    lastDialogClass_ = "TfrmDownFirmwareSelType";
    int opened = 0;
    const std::string answer = ReadUpdateMethodAnswer(opened);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        ShowErrorBox(CodeText("_Err_OpenPort", opened));
        return;
    }
    const TMethodChooser choose = FindMethodChooser();
    if (!choose) {
        ShowInfo(ReplaceText(LangText("FormMain_Label_MSGDialogPending"), "TfrmDownFirmwareSelType"));
        return;
    }
    const std::string preselected = PreselectedUpdateMethod(answer);
    const std::optional<std::string> method = choose(this, preselected, !preselected.empty());
    if (!method) {
        return;
    }
    if (*method == kMethodBin) {
        OpenDialogClass("TfrmDFU_Quistel");
        return;
    }
    if (const std::optional<std::string> dialog = FirmwareDialogAfterMethod(Facts())) {
        OpenDialogClass(*dialog);
        return;
    }
    RunDfuCommandAndUpdater();
}

void T_frmMain_Label::RunDfuCommandAndUpdater() {
    // Without the updater the printer is not put into update mode, where it
    // would wait for a firmware that nothing sends.
    const std::string program = ExternalUpdaterPath();
    if (const std::string why = ProgramProblem(program); !why.empty()) {
        ShowErrorBox(FileExists(program)
                         ? ReplaceText(LangText("FormFirmware_UpdaterFailed"), program) + " (" + why + ")"
                         : ReplaceText(LangText("FormFirmware_UpdaterMissing"), program));
        return;
    }
    const TUpdateModeResult entered = EnterUpdateMode(Facts());
    if (!entered.Ok()) {
        ShowErrorBox(entered.writeFailed ? LangText("_Err_WriteData")
                                         : CodeText("_Err_OpenPort", entered.openResult));
        return;
    }
    StartExternalUpdater();
}

void T_frmMain_Label::StartExternalUpdater() {
    const std::string program = ExternalUpdaterPath();
    if (const std::string why = StartDetached(program); !why.empty()) {
        ShowErrorBox(ReplaceText(LangText("FormFirmware_UpdaterFailed"), program) + " (" + why + ")");
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
        DetectProtocol();
        ClosePrinterPort();
    }
    SetProtocolField(",ProtocolType(03_02)");
}

} // namespace tolvane
