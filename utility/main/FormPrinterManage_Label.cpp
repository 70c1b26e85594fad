#include "FormPrinterManage_Label.h"

#include "gui/mdlFormTexts.h"
#include "gui/mdlLangFontApply.h"
#include "mdlCompanyPrinterList.h"
#include "mdlErrorText.h"
#include "mdlGlobalObjects.h"
#include "mdlLangTextTable.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlPortList.h"
#include "mdlPrinterLib.h"
#include "mdlReplaceText.h"
#include "mdlSelvanic.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace tolvane {
namespace {

constexpr int kWidth = 440;
constexpr int kLabelWidth = 130;
constexpr int kInputLeft = 150;
constexpr int kInputWidth = 270;
constexpr int kRow = 26;
constexpr int kNotesMaxLength = 64;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 30;
constexpr const char* kDefaultNetAddress = "192.168.0.33";
constexpr const char* kModelForConnectionTest = "Vorlan";

const QStringList kPortKinds = {"USB", "COM", "LPT", "NET"};
const QStringList kBaudRates = {"4800", "9600", "19200", "38400", "57600", "115200"};

template <typename W>
W* Make(QWidget* parent, const char* name, int left, int top, int width, int height = kRow) {
    auto* widget = new W(parent);
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}

QFrame* MakePanel(QWidget* parent, const char* name) {
    return Make<QFrame>(parent, name, 10, 56, kWidth - 40, 2 * kRow + 12);
}

int IndexIgnoringCase(const QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

// Selects the listed port of a stored address ("COM3" shows as "COM3:", a
// device path as itself). A port the system does not list now (an unplugged
// adapter) is kept, so that saving other changes does not move the printer.
void SelectStoredPort(QComboBox* list, const QString& port) {
    int index = IndexIgnoringCase(list, port + ":");
    if (index < 0) {
        index = IndexIgnoringCase(list, port);
    }
    if (index < 0 && !port.isEmpty()) {
        list->insertItem(0, port);
        index = 0;
    }
    list->setCurrentIndex(index < 0 ? (list->count() > 0 ? 0 : -1) : index);
}

std::string Text(const QComboBox* list) {
    return list->currentText().toStdString();
}

} // namespace

T_frmPrinterManage_Label::T_frmPrinterManage_Label(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPrinterManage");
    setModal(true);
    BuildControls();
    connect(cmbPrinterName_, &QComboBox::currentIndexChanged, this, [this] { cmbPrinterNameChange(); });
    connect(cmbPortType_, &QComboBox::currentIndexChanged, this, [this] { cmbPortTypeChange(); });
    connect(cmbPrtVerOfTool_, &QComboBox::currentIndexChanged, this, [this] { cmbPrtVerOfToolChange(); });
    connect(btnConnectTest_, &QPushButton::clicked, this, [this] { btnConnectTestClick(); });
    connect(btnOK_, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
}

void T_frmPrinterManage_Label::BuildControls() {
    int y = 12;
    lblPrinterName_ = Make<QLabel>(this, "lblPrinterName", 12, y, kLabelWidth);
    cmbPrinterName_ = Make<QComboBox>(this, "cmbPrinterName", kInputLeft, y, kInputWidth);
    y += kRow + 10;

    gpbPortInformation_ = Make<QGroupBox>(this, "gpbPortInformation", 12, y, kWidth - 24, 130);
    lblPortType_ = Make<QLabel>(gpbPortInformation_, "lblPortType", 10, 24, kLabelWidth - 10);
    cmbPortType_ = Make<QComboBox>(gpbPortInformation_, "cmbPortType", kInputLeft - 12, 24, kInputWidth);
    cmbPortType_->addItems(kPortKinds);

    pnlUSB_ = MakePanel(gpbPortInformation_, "pnlUSB");
    lblUSB_ = Make<QLabel>(pnlUSB_, "lblUSB", 0, 0, kWidth - 40, 2 * kRow);

    pnlSerial_ = MakePanel(gpbPortInformation_, "pnlSerial");
    lblSerial_ = Make<QLabel>(pnlSerial_, "lblSerial", 0, 0, kLabelWidth - 10);
    cmbSerialList_ = Make<QComboBox>(pnlSerial_, "cmbSerialList", kInputLeft - 22, 0, kInputWidth);
    lblBaudrate_ = Make<QLabel>(pnlSerial_, "lblBaudrate", 0, kRow + 6, kLabelWidth - 10);
    cmbBaudrate_ = Make<QComboBox>(pnlSerial_, "cmbBaudrate", kInputLeft - 22, kRow + 6, kInputWidth);
    cmbBaudrate_->addItems(kBaudRates);

    pnlParallel_ = MakePanel(gpbPortInformation_, "pnlParallel");
    lblParallelList_ = Make<QLabel>(pnlParallel_, "lblParallelList", 0, 0, kLabelWidth - 10);
    cmbParallel_ = Make<QComboBox>(pnlParallel_, "cmbParallel", kInputLeft - 22, 0, kInputWidth);

    pnlNet_ = MakePanel(gpbPortInformation_, "pnlNet");
    lblIPAddress_ = Make<QLabel>(pnlNet_, "lblIPAddress", 0, 0, kLabelWidth - 10);
    txtIPAddress_ = Make<QLineEdit>(pnlNet_, "txtIPAddress", kInputLeft - 22, 0, kInputWidth);
    txtIPAddress_->setMaxLength(128);
    y += 130 + 10;

    lblNotes_ = Make<QLabel>(this, "lblNotes", 12, y, kLabelWidth);
    edtNotes_ = Make<QLineEdit>(this, "edtNotes", kInputLeft, y, kInputWidth);
    edtNotes_->setMaxLength(kNotesMaxLength);
    y += kRow + 8;
    lblPrtVerOfTool_ = Make<QLabel>(this, "lblPrtVerOfTool", 12, y, kLabelWidth);
    cmbPrtVerOfTool_ = Make<QComboBox>(this, "cmbPrtVerOfTool", kInputLeft, y, kInputWidth);
    y += kRow + 6;
    memPrtVerOfTool_ = Make<QPlainTextEdit>(this, "memPrtVerOfTool", kInputLeft, y, kInputWidth, 48);
    memPrtVerOfTool_->setReadOnly(true);
    y += 48 + 12;

    pnlButtons_ = Make<QFrame>(this, "pnlButtons", 0, y, kWidth, kButtonHeight + 20);
    btnConnectTest_ = Make<QPushButton>(pnlButtons_, "btnConnectTest", 0, 10, kButtonWidth, kButtonHeight);
    btnOK_ = Make<QPushButton>(pnlButtons_, "btnOK", 0, 10, kButtonWidth, kButtonHeight);
    btnClose_ = Make<QPushButton>(pnlButtons_, "btnClose", 0, 10, kButtonWidth, kButtonHeight);
    PlaceButtons(true);
    for (auto [label, buddy] : {std::pair<QLabel*, QWidget*>{lblPrinterName_, cmbPrinterName_},
                                {lblPortType_, cmbPortType_},
                                {lblSerial_, cmbSerialList_},
                                {lblBaudrate_, cmbBaudrate_},
                                {lblParallelList_, cmbParallel_},
                                {lblIPAddress_, txtIPAddress_},
                                {lblNotes_, edtNotes_},
                                {lblPrtVerOfTool_, cmbPrtVerOfTool_}}) {
        label->setBuddy(buddy);
    }
    setFixedSize(kWidth, y + kButtonHeight + 20);
}

// The visible buttons share the panel's free width in equal gaps.
void T_frmPrinterManage_Label::PlaceButtons(bool withConnectTest) {
    btnConnectTest_->setVisible(withConnectTest);
    std::vector<QPushButton*> shown;
    if (withConnectTest) {
        shown.push_back(btnConnectTest_);
    }
    shown.push_back(btnOK_);
    shown.push_back(btnClose_);
    const int count = static_cast<int>(shown.size());
    const int gap = (pnlButtons_->width() - count * kButtonWidth) / (count + 1);
    int left = gap;
    for (QPushButton* button : shown) {
        button->move(left, button->y());
        left += kButtonWidth + gap;
    }
}

void T_frmPrinterManage_Label::SetModeAdd(const std::string& listPath) {
    mode_ = "Add";
    listPath_ = listPath;
    index_ = -1;
    entry_ = {};
}

void T_frmPrinterManage_Label::SetModeModify(const std::string& listPath, int index,
                                             const TPrinterEntry& entry) {
    mode_ = "Modify";
    listPath_ = listPath;
    index_ = index;
    entry_ = entry;
}

void T_frmPrinterManage_Label::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void T_frmPrinterManage_Label::FormShow() {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    PlaceButtons(!(state != nullptr && state->Oem && state->Oem->ManagementOption == 2));
    ApplyTexts();
    {
        const QSignalBlocker blockModels(cmbPrinterName_);
        const QSignalBlocker blockKinds(cmbPortType_);
        cmbPrinterName_->clear();
        for (const std::string& model : CompanyPrinterList()) {
            cmbPrinterName_->addItem(QString::fromStdString(model));
        }
        cmbPrinterName_->setCurrentIndex(cmbPrinterName_->count() > 0 ? 0 : -1);
        cmbPortType_->setCurrentIndex(0);
    }
    if (mode_ == "Modify") {
        ShowModifyFields();
    } else {
        edtNotes_->clear();
        FillGenerationChoices();
        cmbPortTypeChange();
    }
    ApplyLangFont(this);
    CenterLabelsOnBuddies(this);
    saved_ = false;
}

void T_frmPrinterManage_Label::ApplyTexts() {
    ApplyFormTexts(this, "PrinterManage");
    lblNotes_->setText(
        QString::fromStdString(LangAll("Lang_All_00210250_11") + LangAll("Lang_All_00010002_11")));
    lblPrtVerOfTool_->setText(QString::fromStdString(LangAll("Lang_All_00210372_11")));
    btnClose_->setText(QString::fromStdString(LangText("_Close")));
}

void T_frmPrinterManage_Label::ShowModifyFields() {
    {
        const QSignalBlocker blockModels(cmbPrinterName_);
        const int model =
            cmbPrinterName_->findText(QString::fromStdString(entry_.ListName), Qt::MatchExactly);
        if (model >= 0) {
            cmbPrinterName_->setCurrentIndex(model);
        } else if (!entry_.ListName.empty()) {
            // A model the company list no longer offers stays what it was.
            cmbPrinterName_->insertItem(0, QString::fromStdString(entry_.ListName));
            cmbPrinterName_->setCurrentIndex(0);
        }
    }
    FillGenerationChoices();
    {
        const QSignalBlocker blockKinds(cmbPortType_);
        cmbPortType_->setCurrentIndex(
            std::max(0, IndexIgnoringCase(cmbPortType_, QString::fromStdString(entry_.PortKind))));
    }
    const std::string kind = Text(cmbPortType_);
    const QString address = QString::fromStdString(entry_.PortAddress);
    ShowPanel(kind);
    if (kind == "COM") {
        const QStringList parts = address.split(',');
        FillPorts(cmbSerialList_, "COM");
        SelectStoredPort(cmbSerialList_, parts.value(0));
        const QString rateField = parts.value(1);
        const qsizetype underscore = rateField.indexOf('_');
        const int rate = underscore < 0 ? -1 : cmbBaudrate_->findText(rateField.mid(underscore + 1));
        cmbBaudrate_->setCurrentIndex(rate < 0 ? 0 : rate);
    } else if (kind == "LPT") {
        FillPorts(cmbParallel_, "LPT");
        SelectStoredPort(cmbParallel_, address);
    } else if (kind == "NET") {
        txtIPAddress_->setText(address.startsWith("NET,") ? address.mid(4) : address);
    }
    edtNotes_->setText(QString::fromStdString(entry_.Notes));
    if (const TObj_Ult_PrtVerOfToolA* generation = generations_.FindKey(entry_.GenKey)) {
        const int index =
            cmbPrtVerOfTool_->findText(QString::fromStdString(generation->Label), Qt::MatchExactly);
        if (index >= 0) {
            cmbPrtVerOfTool_->setCurrentIndex(index);
        }
    }
    RefreshGenerationMemo();
}

void T_frmPrinterManage_Label::ShowPanel(const std::string& kind) {
    pnlUSB_->setVisible(kind == "USB");
    pnlSerial_->setVisible(kind == "COM");
    pnlParallel_->setVisible(kind == "LPT");
    pnlNet_->setVisible(kind == "NET");
}

void T_frmPrinterManage_Label::FillPorts(QComboBox* list, const std::string& kind) {
    list->clear();
    const TPortListing listing = ListPorts(kind);
    if (!listing.Error.empty()) {
        ShowErrorBox(listing.Error);
        return;
    }
    if (listing.NonePresent) {
        MessageSink().ShowInfo("no ports present !", "");
    }
    for (const std::string& name : listing.Names) {
        list->addItem(QString::fromStdString(name));
    }
}

void T_frmPrinterManage_Label::RefreshUsbPorts() {
    const std::string kind = Text(cmbPortType_);
    QComboBox* list = kind == "COM" ? cmbSerialList_ : kind == "LPT" ? cmbParallel_ : nullptr;
    if (list == nullptr) {
        return;
    }
    const TPortListing listing = ListPorts(kind);
    if (!listing.Error.empty()) {
        return;
    }
    const QString chosen = list->currentText();
    const QSignalBlocker blocker(list);
    list->clear();
    for (const std::string& name : listing.Names) {
        list->addItem(QString::fromStdString(name));
    }
    int index = chosen.isEmpty() ? -1 : list->findText(chosen, Qt::MatchExactly);
    if (index < 0 && !chosen.isEmpty()) {
        list->insertItem(0, chosen);
        index = 0;
    }
    list->setCurrentIndex(index >= 0 ? index : (list->count() > 0 ? 0 : -1));
}

void T_frmPrinterManage_Label::cmbPortTypeChange() {
    const std::string kind = Text(cmbPortType_);
    ShowPanel(kind);
    if (kind == "COM") {
        FillPorts(cmbSerialList_, "COM");
        if (cmbSerialList_->count() > 0) {
            cmbSerialList_->setCurrentIndex(0);
            cmbBaudrate_->setCurrentIndex(cmbBaudrate_->count() - 1);
        }
    } else if (kind == "LPT") {
        FillPorts(cmbParallel_, "LPT");
        if (cmbParallel_->count() > 0) {
            cmbParallel_->setCurrentIndex(0);
        }
    } else if (kind == "NET") {
        txtIPAddress_->setText(kDefaultNetAddress);
    }
}

void T_frmPrinterManage_Label::cmbPrinterNameChange() {
    FillGenerationChoices();
}

void T_frmPrinterManage_Label::FillGenerationChoices() {
    generations_ = GenerationChoicesFor(Text(cmbPrinterName_));
    {
        const QSignalBlocker blocker(cmbPrtVerOfTool_);
        cmbPrtVerOfTool_->clear();
        for (const TObj_Ult_PrtVerOfToolA& entry : generations_.Entries()) {
            cmbPrtVerOfTool_->addItem(QString::fromStdString(entry.Label));
        }
        cmbPrtVerOfTool_->setCurrentIndex(cmbPrtVerOfTool_->count() > 0 ? 0 : -1);
    }
    RefreshGenerationMemo();
}

void T_frmPrinterManage_Label::cmbPrtVerOfToolChange() {
    RefreshGenerationMemo();
}

void T_frmPrinterManage_Label::RefreshGenerationMemo() {
    memPrtVerOfTool_->setPlainText(
        QString::fromStdString(generations_.DescriptionOfLabel(Text(cmbPrtVerOfTool_))));
}

std::string T_frmPrinterManage_Label::PortAddress() const {
    const std::string kind = Text(cmbPortType_);
    if (kind == "COM") {
        return PortAddressOfName(Text(cmbSerialList_)) + ",BAUDRATE_" + Text(cmbBaudrate_);
    }
    if (kind == "LPT") {
        return PortAddressOfName(Text(cmbParallel_));
    }
    if (kind == "USB") {
        return "USB";
    }
    if (kind == "NET") {
        return "NET," + txtIPAddress_->text().trimmed().toStdString();
    }
    return "Invalid";
}

std::string T_frmPrinterManage_Label::GenerationKey() const {
    return generations_.KeyOfLabel(Text(cmbPrtVerOfTool_));
}

void T_frmPrinterManage_Label::btnConnectTestClick() {
    const std::string address = PortAddress();
    if (address == "Invalid") {
        ShowInfo("(ERRNO:20201225_130501)");
    }
    Selvanic().TransformPrtName(cmbPrinterName_->currentText().trimmed().toStdString());
    const int created = PrtLib_Create(TPrtLib::Tsprix, kModelForConnectionTest);
    if (created != 0) {
        ShowErrorBox(ErrorCodeText("_Err_CreatePrinter", created));
        return;
    }
    const int opened = PrtLib_Open(TPrtLib::Tsprix, address);
    PrtLib_Close(TPrtLib::Tsprix);
    if (opened != 0) {
        ShowErrorBox(ErrorCodeText("_Err_OpenPort", opened));
    } else {
        ShowInfo(LangText("_ConnectOK"));
    }
}

void T_frmPrinterManage_Label::btnOKClick() {
    if (cmbPrtVerOfTool_->currentIndex() < 0) {
        ShowInfo(ReplaceText(LangAll("Lang_All_00010014_11"), LangAll("Lang_All_00210372_11")));
        return;
    }
    const TPrinterEntry entry{Text(cmbPrinterName_), Text(cmbPortType_), PortAddress(),
                              edtNotes_->text().toStdString(), GenerationKey()};
    const bool written =
        mode_ == "Modify" ? index_ >= 0 && ReplacePrinter(listPath_, static_cast<std::size_t>(index_), entry)
                          : AppendPrinter(listPath_, entry);
    if (!written) {
        ShowErrorBox(LangText("_Err_WriteData") + ":" + listPath_);
        return;
    }
    saved_ = true;
    accept();
}

} // namespace tolvane
