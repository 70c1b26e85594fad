// T_frmPrinterManage_Label: adds a printer to the printer list or changes
// one: model, port kind and port (USB, serial port and baud rate, parallel
// port, network address), notes and firmware generation. It can test the
// connection before saving. One instance serves the whole run.
#pragma once

#include "mdlPrinterList.h"
#include "mdlPrtVerOfTool.h"

#include <QDialog>

#include <string>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class T_frmPrinterManage_Label : public QDialog {
    Q_OBJECT
  public:
    explicit T_frmPrinterManage_Label(QWidget* parent = nullptr);

    // The mode for the next show: "Add" appends a printer to the list file,
    // "Modify" replaces the printer at index with what the user chose.
    void SetModeAdd(const std::string& listPath);
    void SetModeModify(const std::string& listPath, int index, const TPrinterEntry& entry);
    const std::string& Mode() const { return mode_; }
    // True after a successful save (reset at every show).
    bool Saved() const { return saved_; }

    // The port address the panels describe (as OK saves it); "Invalid" for
    // an unknown port kind.
    std::string PortAddress() const;
    // The firmware-generation key of the shown choice ("0" when none matches).
    std::string GenerationKey() const;

    // Event handlers.
    void cmbPrinterNameChange();
    void cmbPortTypeChange();
    void cmbPrtVerOfToolChange();
    void btnConnectTestClick();
    void btnOKClick();
    // Lists the ports of the shown kind again (a USB serial adapter or USB
    // printer was plugged in or removed), without messages. The chosen port
    // stays chosen, also when it is no longer listed.
    void RefreshUsbPorts();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildControls();
    void FormShow();
    void ApplyTexts();
    void PlaceButtons(bool withConnectTest);
    void ShowPanel(const std::string& kind);
    void FillPorts(QComboBox* list, const std::string& kind);
    void FillGenerationChoices();
    void RefreshGenerationMemo();
    void ShowModifyFields();

    std::string mode_ = "Add";
    std::string listPath_;
    int index_ = -1;
    TPrinterEntry entry_;
    bool saved_ = false;
    TObj_Ult_PrtVerOfToolMg generations_;

    QLabel* lblPrinterName_ = nullptr;
    QComboBox* cmbPrinterName_ = nullptr;
    QGroupBox* gpbPortInformation_ = nullptr;
    QLabel* lblPortType_ = nullptr;
    QComboBox* cmbPortType_ = nullptr;
    QFrame* pnlUSB_ = nullptr;
    QLabel* lblUSB_ = nullptr;
    QFrame* pnlSerial_ = nullptr;
    QLabel* lblSerial_ = nullptr;
    QComboBox* cmbSerialList_ = nullptr;
    QLabel* lblBaudrate_ = nullptr;
    QComboBox* cmbBaudrate_ = nullptr;
    QFrame* pnlParallel_ = nullptr;
    QLabel* lblParallelList_ = nullptr;
    QComboBox* cmbParallel_ = nullptr;
    QFrame* pnlNet_ = nullptr;
    QLabel* lblIPAddress_ = nullptr;
    QLineEdit* txtIPAddress_ = nullptr;
    QLabel* lblNotes_ = nullptr;
    QLineEdit* edtNotes_ = nullptr;
    QLabel* lblPrtVerOfTool_ = nullptr;
    QComboBox* cmbPrtVerOfTool_ = nullptr;
    QPlainTextEdit* memPrtVerOfTool_ = nullptr;
    QFrame* pnlButtons_ = nullptr;
    QPushButton* btnConnectTest_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

} // namespace tolvane
