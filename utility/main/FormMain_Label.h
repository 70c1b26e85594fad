// T_frmMain_Label: the program's main window. It shows the printer list,
// lets the user add, change, delete and connection-test printers, and offers
// one button per function for the selected printer; a second page holds the
// system options (interface language, developer details).
#pragma once

#include "gui/mdlPrtParaRows.h"
#include "mdlLangChoice.h"
#include "mdlMainActions.h"
#include "mdlMainButtons.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterList.h"
#include "mdlPrinterSelection.h"

#include <QWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace tolvane {

class T_frmPrinterManage_Label;
class TUsbWatch;

class T_frmMain_Label : public QWidget {
    Q_OBJECT
  public:
    // Runs the window's creation steps of the start-up (factory switch, log,
    // helper libraries, language switch) and creates the printer management
    // dialog.
    explicit T_frmMain_Label(const std::vector<std::string>& args, QWidget* parent = nullptr);
    // Frees the global state and the helper libraries (shut-down).
    ~T_frmMain_Label() override;

    // Button size of the function grid.
    static constexpr int kButtonWidth = 220;
    static constexpr int kButtonHeight = 32;

    // The printers shown, in list order.
    const std::vector<TPrinterEntry>& Printers() const { return printers_; }
    int SelectedIndex() const;
    // Selects a row as a click does.
    void SelectRow(int index);
    QTreeWidget* PrinterListView() const { return lvPrinterList_; }
    T_frmPrinterManage_Label* PrinterManage() const { return manage_.get(); }
    // The visible function buttons after the last selection, in grid order.
    const std::vector<TFuncButton>& VisibleButtons() const { return visibleButtons_; }
    QPushButton* Button(const char* objectName) const;
    // The class name of the last dialog a button asked for ("" when none yet).
    const std::string& LastDialogClass() const { return lastDialogClass_; }
    // What the decisions know about the selected printer.
    TPrinterFacts Facts() const;
    TLanguageChoice& LanguageChoice() { return languageChoice_; }

    // Event handlers.
    void PrinterSelect();
    bool PreCheck();
    void btnAddPrinterClick();
    void btnModifyPrinterClick();
    void btnDeletePrinterClick();
    void btnConnectTestClick();
    void btnPrinterInformationClick();
    void btnPrintConfigInfoClick();
    void btnPrintTextClick();
    void btnStartLearnClick();
    void btnFrontLearnClick();
    void btnParameterSettingClick();
    void btnFactorySettingClick();
    void btnModelTestClick();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void btnCommandTestClick();
    void btnScanTestClick();
    void btnAdvancedSettingsClick();
    void btnRfidSetClick();
    void btnDFUClick();
    void btnDFU2Click();
    void btnMoreClick();
    void btnGetProtocolTypeClick();
    void btnLangSetClick();
    void btnLangReadClick();
    void ShowFunctionPage();
    void ShowSysParaPage();
    // A USB device was plugged in or removed: the open printer management
    // dialog lists its ports again, and the selected USB printer's identity
    // is checked again (at once when the window is idle, otherwise when the
    // running action or dialog has ended).
    void UsbDevicesChanged();
    // Whether a re-check waits for the running action or dialog to end.
    bool UsbRecheckPending() const { return usbRecheckPending_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void BuildFunctionPage();
    void BuildSysParaPage();
    void ConnectHandlers();
    void FormShow();
    void ApplyTexts();
    void FillLanguageChoice();
    void LayoutSysParaRows();
    void LoadPrinterList(int selectIndex);
    void UpdateFunctionButtons();
    void LayoutWindow();

    // The selection again, then the pre-check, open and detect, close of a
    // dialog button (the protocol field shows the detection).
    bool PrepareDialog();
    // Shows a protocol-field text; ProtocolField passes them to the detection.
    void SetProtocolField(const std::string& suffix);
    TProtocolField ProtocolField();
    void SendAction(const TWireCommand& command, const char* writeErrorKey);
    void OpenDialogClass(const std::string& className);
    void RunFirmwareMethodChoice();
    void RunDfuCommandAndUpdater();
    void StartExternalUpdater();
    // Connects the program's USB events to UsbDevicesChanged.
    void WatchUsbDevices();
    void UnwatchUsbDevices();
    void RecheckUsbPrinter();

    std::vector<std::string> args_;
    std::vector<TPrinterEntry> printers_;
    std::vector<TFuncButton> visibleButtons_;
    int lastIndex_ = 0;
    bool loading_ = false;
    bool selecting_ = false;
    bool shownOnce_ = false;
    std::string rfidList_;
    std::string lastDialogClass_;
    TLanguageChoice languageChoice_;
    TObj_Ult_PrtParaManage sysParaRows_;
    std::unique_ptr<T_frmPrinterManage_Label> manage_;
    TUsbWatch* usbWatch_ = nullptr;
    int busyDepth_ = 0; // button handlers running
    bool usbRecheckPending_ = false;

    // Controls, named as in the design.
    QPushButton* btnAddPrinter_ = nullptr;
    QPushButton* btnModifyPrinter_ = nullptr;
    QPushButton* btnDeletePrinter_ = nullptr;
    QPushButton* btnConnectTest_ = nullptr;
    QTreeWidget* lvPrinterList_ = nullptr;
    QPushButton* sbtnFunction_ = nullptr;
    QPushButton* sbtnSysPara_ = nullptr;
    QFrame* gpbFunction_ = nullptr;
    QFrame* pnlSysPara_ = nullptr;
    std::map<TFuncButton, QPushButton*> funcButtons_;
    QPushButton* btnDFU_ = nullptr;
    QPushButton* btnDFU2_ = nullptr;
    QPushButton* btnQuit_ = nullptr;
    QPushButton* btnMore_ = nullptr;
    // System options page.
    QLabel* lblBasName_ = nullptr;
    QLineEdit* txtBasName_ = nullptr;
    QPlainTextEdit* memInfo_ = nullptr;
    QLabel* lblPrinterName_ = nullptr;
    QLineEdit* txtPrinterName_ = nullptr;
    QLabel* lblLanguage_ = nullptr;
    QComboBox* cmbLanguage_ = nullptr;
    QLabel* lblLanguageId_ = nullptr;
    QLineEdit* txtLanguageId_ = nullptr;
    QLabel* lblVpid_ = nullptr;
    QLineEdit* txtVpid_ = nullptr;
    QLabel* lblVpids_ = nullptr;
    QLineEdit* txtVpids_ = nullptr;
    QLabel* lblTempVpid_ = nullptr;
    QLineEdit* txtTempVpid_ = nullptr;
    QPushButton* btnSetVpid_ = nullptr;
    QLabel* lblMap_ = nullptr;
    QLineEdit* txtMap_ = nullptr;
    QLabel* lblProtocolType_ = nullptr;
    QLineEdit* txtProtocolType_ = nullptr;
    QPushButton* btnGetProtocolType_ = nullptr;
    QFrame* pnlLang_ = nullptr;
    QPushButton* btnLangSet_ = nullptr;
    QPushButton* btnLangRead_ = nullptr;
};

} // namespace tolvane
