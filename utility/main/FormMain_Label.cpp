#include "FormMain_Label.h"

#include "FormPrinterManage_Label.h"
#include "gui/mdlFormTexts.h"
#include "gui/mdlLangFontApply.h"
#include "mdlCatalogueOverlay.h"
#include "mdlErrorText.h"
#include "mdlGetLangText.h"
#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlGlobal_Permission.h"
#include "mdlLangFont.h"
#include "mdlLangTextTable.h"
#include "mdlMainCaption.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlReadFilesIni.h"
#include "mdlStartup.h"

#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace tolvane {
namespace {

// Window geometry.
constexpr int kMargin = 12; // left of the list and of the function group
constexpr int kGroupWidth = 3 * 33 + 2 * T_frmMain_Label::kButtonWidth;
constexpr int kDesignWidth = 760;
constexpr int kListTop = 50;
constexpr int kListHeight = 170;
constexpr int kTopButtonHeight = 30;
constexpr int kPageButtonHeight = 28;
constexpr int kPageButtonWidth = 150;
constexpr int kBottomButtonWidth = 116;
constexpr int kQuitHeight = 32;
// System options rows.
constexpr int kRowLabelLeft = 20;
constexpr int kRowLabelWidth = 150;
constexpr int kRowInputLeft = 176;
constexpr int kRowInputWidth = 290;
constexpr int kRowHeight = 26;

const QColor kSelectedBack(0, 0, 128);

QPushButton* NewButton(QWidget* parent, const char* name, int width, int height) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->resize(width, height);
    return button;
}

template <typename W>
W* NewRowControl(QWidget* parent, const char* name, int left, int width) {
    auto* control = new W(parent);
    control->setObjectName(name);
    control->setGeometry(left, 0, width, kRowHeight);
    return control;
}

QLabel* NewRowLabel(QWidget* parent, const char* name) {
    auto* label = NewRowControl<QLabel>(parent, name, kRowLabelLeft, kRowLabelWidth);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    return label;
}

QLineEdit* NewRowEdit(QWidget* parent, const char* name, bool readOnly) {
    auto* edit = NewRowControl<QLineEdit>(parent, name, kRowInputLeft, kRowInputWidth);
    edit->setReadOnly(readOnly);
    if (readOnly) {
        // A field that only shows a value does not look like one that
        // takes typing.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit->setPalette(palette);
        edit->setFocusPolicy(Qt::NoFocus);
    }
    return edit;
}

void ColourSelection(QTreeWidget* view) {
    QPalette palette = view->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, kSelectedBack);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    view->setPalette(palette);
}

} // namespace

T_frmMain_Label::T_frmMain_Label(const std::vector<std::string>& args, QWidget* parent)
    : QWidget(parent), args_(args) {
    setObjectName("frmMain_Label");
    BuildControls();
    MainWindowCreateSteps(args_);
    ConnectHandlers();
    languageChoice_.OnApplied = [this] {
        ApplyTexts();
        FirstShowApplyFont(this);
        LayoutWindow();
        CenterLabelsOnBuddies(this);
        FillLanguageChoice();
    };
    manage_ = std::make_unique<T_frmPrinterManage_Label>(this);
    WatchUsbDevices();
}

T_frmMain_Label::~T_frmMain_Label() {
    UnwatchUsbDevices();
    manage_.reset();
    MainWindowDestroySteps();
}

void T_frmMain_Label::BuildControls() {
    const int listButtonWidth = (kGroupWidth - 3 * 8) / 4;
    int left = kMargin;
    for (QPushButton** button : {&btnAddPrinter_, &btnModifyPrinter_, &btnDeletePrinter_, &btnConnectTest_}) {
        const char* name = button == &btnAddPrinter_      ? "btnAddPrinter"
                           : button == &btnModifyPrinter_ ? "btnModifyPrinter"
                           : button == &btnDeletePrinter_ ? "btnDeletePrinter"
                                                          : "btnConnectTest";
        *button = NewButton(this, name, listButtonWidth, kTopButtonHeight);
        (*button)->move(left, kMargin);
        left += listButtonWidth + 8;
    }

    lvPrinterList_ = new QTreeWidget(this);
    lvPrinterList_->setObjectName("lvPrinterList");
    lvPrinterList_->setGeometry(kMargin, kListTop, kGroupWidth, kListHeight);
    lvPrinterList_->setColumnCount(5);
    lvPrinterList_->setHeaderHidden(true);
    lvPrinterList_->setRootIsDecorated(false);
    lvPrinterList_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvPrinterList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvPrinterList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvPrinterList_->setTextElideMode(Qt::ElideNone);
    lvPrinterList_->setWordWrap(false);
    // Cells are clipped to their columns; the list does not scroll sideways.
    lvPrinterList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ColourSelection(lvPrinterList_);

    sbtnFunction_ = NewButton(this, "sbtnFunction", kPageButtonWidth, kPageButtonHeight);
    sbtnSysPara_ = NewButton(this, "sbtnSysPara", kPageButtonWidth, kPageButtonHeight);
    sbtnFunction_->setCheckable(true);
    sbtnSysPara_->setCheckable(true);
    sbtnFunction_->setChecked(true);

    BuildFunctionPage();
    BuildSysParaPage();

    btnDFU_ = NewButton(this, "btnDFU", kBottomButtonWidth, kQuitHeight);
    btnDFU2_ = NewButton(this, "btnDFU2", kBottomButtonWidth, kQuitHeight);
    btnMore_ = NewButton(this, "btnMore", kBottomButtonWidth, kQuitHeight);
    btnQuit_ = NewButton(this, "btnQuit", kBottomButtonWidth, kQuitHeight);
    LayoutWindow();
}

void T_frmMain_Label::BuildFunctionPage() {
    gpbFunction_ = new QFrame(this);
    gpbFunction_->setObjectName("gpbFunction");
    gpbFunction_->setFrameShape(QFrame::StyledPanel);
    for (const TFuncButtonName& entry : FuncButtonNames()) {
        funcButtons_[entry.button] = NewButton(gpbFunction_, entry.objectName, kButtonWidth, kButtonHeight);
    }
    // On a TSPL printer the file-management button's menu (right click)
    // also offers the manager of the files the printer stores itself.
    QPushButton* files = funcButtons_.at(TFuncButton::FileManagement);
    files->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(files, &QWidget::customContextMenuRequested, this, [this, files](const QPoint& at) {
        if (ProtocolKind != 1) {
            return;
        }
        QMenu menu(files);
        menu.addAction(LangQText("FormDLFile_btnTspl"), this, [this] {
            if (PrepareDialog()) {
                OpenDialogClass("T_frmTempletManage");
            }
        });
        menu.exec(files->mapToGlobal(at));
    });
}

void T_frmMain_Label::BuildSysParaPage() {
    pnlSysPara_ = new QFrame(this);
    pnlSysPara_->setObjectName("pnlSysPara");
    pnlSysPara_->setFrameShape(QFrame::StyledPanel);
    pnlSysPara_->hide();
    QWidget* page = pnlSysPara_;

    lblBasName_ = NewRowLabel(page, "lblBasName");
    txtBasName_ = NewRowEdit(page, "txtBasName", true);
    memInfo_ = NewRowControl<QPlainTextEdit>(page, "memInfo", kRowLabelLeft, kRowLabelWidth + kRowInputWidth);
    memInfo_->setReadOnly(true);
    lblPrinterName_ = NewRowLabel(page, "lblPrinterName");
    txtPrinterName_ = NewRowEdit(page, "txtPrinterName", true);
    lblLanguage_ = NewRowLabel(page, "lblLanguage");
    cmbLanguage_ = NewRowControl<QComboBox>(page, "cmbLanguage", kRowInputLeft, kRowInputWidth);
    lblLanguageId_ = NewRowLabel(page, "lblLanguageId");
    txtLanguageId_ = NewRowEdit(page, "txtLanguageId", true);
    lblVpid_ = NewRowLabel(page, "lblVpid");
    txtVpid_ = NewRowEdit(page, "txtVpid", true);
    lblVpids_ = NewRowLabel(page, "lblVpids");
    txtVpids_ = NewRowEdit(page, "txtVpids", true);
    lblTempVpid_ = NewRowLabel(page, "lblTempVpid");
    txtTempVpid_ = NewRowEdit(page, "txtTempVpid", false);
    btnSetVpid_ = NewRowControl<QPushButton>(page, "btnSetVpid", kRowInputLeft, kRowInputWidth);
    lblMap_ = NewRowLabel(page, "lblMap");
    txtMap_ = NewRowEdit(page, "txtMap", true);
    lblProtocolType_ = NewRowLabel(page, "lblProtocolType");
    txtProtocolType_ = NewRowEdit(page, "txtProtocolType", true);
    txtProtocolType_->resize(kRowInputWidth - 96, kRowHeight);
    btnGetProtocolType_ =
        NewRowControl<QPushButton>(page, "btnGetProtocolType", kRowInputLeft + kRowInputWidth - 90, 90);
    for (auto [label, buddy] : {std::pair<QLabel*, QWidget*>{lblBasName_, txtBasName_},
                                {lblPrinterName_, txtPrinterName_},
                                {lblLanguage_, cmbLanguage_},
                                {lblLanguageId_, txtLanguageId_},
                                {lblVpid_, txtVpid_},
                                {lblVpids_, txtVpids_},
                                {lblTempVpid_, txtTempVpid_},
                                {lblMap_, txtMap_},
                                {lblProtocolType_, txtProtocolType_}}) {
        label->setBuddy(buddy);
    }
    pnlLang_ = NewRowControl<QFrame>(page, "pnlLang", kRowInputLeft, kRowInputWidth);
    pnlLang_->resize(kRowInputWidth, kButtonHeight);
    btnLangSet_ = NewButton(pnlLang_, "btnLangSet", (kRowInputWidth - 8) / 2, kButtonHeight);
    btnLangRead_ = NewButton(pnlLang_, "btnLangRead", (kRowInputWidth - 8) / 2, kButtonHeight);
    btnLangRead_->move((kRowInputWidth - 8) / 2 + 8, 0);
}

void T_frmMain_Label::LayoutSysParaRows() {
    const bool testData = IsTestDataMode();
    const TOemClass* edition = GlobalObjects().OstrelVar ? GlobalObjects().OstrelVar->Oem.get() : nullptr;
    sysParaRows_.Clear();
    sysParaRows_.Add("BasName", kRowHeight, {lblBasName_, txtBasName_}, testData);
    sysParaRows_.Add("Info", kRowHeight, {memInfo_}, false);
    sysParaRows_.Add("PrinterName", kRowHeight, {lblPrinterName_, txtPrinterName_}, false);
    sysParaRows_.Add("Language", kRowHeight, {lblLanguage_, cmbLanguage_},
                     edition && edition->LanguageRow == 1);
    sysParaRows_.Add("LanguageId", kRowHeight, {lblLanguageId_, txtLanguageId_},
                     !edition || edition->LanguageIdRow == 1);
    sysParaRows_.Add("Vpid", kRowHeight, {lblVpid_, txtVpid_}, false);
    sysParaRows_.Add("VPIDS", kRowHeight, {lblVpids_, txtVpids_}, false);
    sysParaRows_.Add("TEMPVPID", kRowHeight, {lblTempVpid_, txtTempVpid_}, false);
    sysParaRows_.Add("SetVpid", kRowHeight, {btnSetVpid_}, testData);
    sysParaRows_.Add("MAP", kRowHeight, {lblMap_, txtMap_}, testData);
    sysParaRows_.Add("ProtocolType", kRowHeight, {lblProtocolType_, txtProtocolType_, btnGetProtocolType_},
                     testData);
    sysParaRows_.Add("LangButtons", kButtonHeight, {pnlLang_});
    sysParaRows_.Layout(kMargin);
}

void T_frmMain_Label::ConnectHandlers() {
    const auto on = [this](QPushButton* button, void (T_frmMain_Label::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            ++busyDepth_;
            (this->*handler)();
            --busyDepth_;
            if (busyDepth_ == 0 && usbRecheckPending_) {
                RecheckUsbPrinter();
            }
        });
    };
    on(btnAddPrinter_, &T_frmMain_Label::btnAddPrinterClick);
    on(btnModifyPrinter_, &T_frmMain_Label::btnModifyPrinterClick);
    on(btnDeletePrinter_, &T_frmMain_Label::btnDeletePrinterClick);
    on(btnConnectTest_, &T_frmMain_Label::btnConnectTestClick);
    on(sbtnFunction_, &T_frmMain_Label::ShowFunctionPage);
    on(sbtnSysPara_, &T_frmMain_Label::ShowSysParaPage);
    const std::map<TFuncButton, void (T_frmMain_Label::*)()> handlers = {
        {TFuncButton::PrinterInformation, &T_frmMain_Label::btnPrinterInformationClick},
        {TFuncButton::PrintText, &T_frmMain_Label::btnPrintTextClick},
        {TFuncButton::PrintConfigInfo, &T_frmMain_Label::btnPrintConfigInfoClick},
        {TFuncButton::StartLearn, &T_frmMain_Label::btnStartLearnClick},
        {TFuncButton::FrontLearn, &T_frmMain_Label::btnFrontLearnClick},
        {TFuncButton::ParameterSetting, &T_frmMain_Label::btnParameterSettingClick},
        {TFuncButton::FactorySetting, &T_frmMain_Label::btnFactorySettingClick},
        {TFuncButton::FileManagement, &T_frmMain_Label::Button2Click},
        {TFuncButton::ModelTest, &T_frmMain_Label::btnModelTestClick},
        {TFuncButton::UserFont, &T_frmMain_Label::Button3Click},
        {TFuncButton::Font, &T_frmMain_Label::Button1Click},
        {TFuncButton::CommandTest, &T_frmMain_Label::btnCommandTestClick},
        {TFuncButton::PrinterStatus, &T_frmMain_Label::Button4Click},
        {TFuncButton::ScanTest, &T_frmMain_Label::btnScanTestClick},
        {TFuncButton::AdvancedSettings, &T_frmMain_Label::btnAdvancedSettingsClick},
        {TFuncButton::RfidSet, &T_frmMain_Label::btnRfidSetClick},
    };
    for (const auto& [button, handler] : handlers) {
        on(funcButtons_.at(button), handler);
    }
    on(btnDFU_, &T_frmMain_Label::btnDFUClick);
    on(btnDFU2_, &T_frmMain_Label::btnDFU2Click);
    on(btnMore_, &T_frmMain_Label::btnMoreClick);
    connect(btnQuit_, &QPushButton::clicked, this, &QWidget::close);
    on(btnGetProtocolType_, &T_frmMain_Label::btnGetProtocolTypeClick);
    on(btnSetVpid_, &T_frmMain_Label::btnGetProtocolTypeClick);
    on(btnLangSet_, &T_frmMain_Label::btnLangSetClick);
    on(btnLangRead_, &T_frmMain_Label::btnLangReadClick);
    connect(lvPrinterList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!selecting_) {
            PrinterSelect();
        }
    });
    connect(cmbLanguage_, &QComboBox::activated, this, [this](int index) {
        languageChoice_.Select(index);
        languageChoice_.Apply();
    });
}

void T_frmMain_Label::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void T_frmMain_Label::FormShow() {
    const TFirstShowResult prepared = FirstShowPrepare();
    rfidList_ = ReadCatalogue("FTN_RfidSet_0");
    ApplyTexts();
    LayoutSysParaRows();
    FirstShowHandToSelvanic();
    LoadPrinterList(0);
    FirstShowApplyFont(this);
    LayoutWindow(); // the buttons fitted to their texts in the window's font
    CenterLabelsOnBuddies(this);
    FillLanguageChoice();
    FirstShowApplySavedLanguage(languageChoice_);
    FillLanguageChoice();
    setWindowIcon(QIcon(QString::fromStdString(prepared.IconPath)));
    txtProtocolType_->setText(QString::fromStdString(prepared.ProtocolFieldText));
    FirstShowPrinterMapCheck();
}

void T_frmMain_Label::ApplyTexts() {
    ApplyFormTexts(this, "Main_Label");
    funcButtons_.at(TFuncButton::Font)->setText(LangQText("FormMain_Label_btnDLF"));
    funcButtons_.at(TFuncButton::FileManagement)->setText(LangQText("FormMain_Label_btnDLFile"));
    funcButtons_.at(TFuncButton::UserFont)->setText(LangQText("FormMain_Label_btnDLUF"));
    if (const TOstrelVar* state = GlobalObjects().OstrelVar.get(); state != nullptr && state->Oem) {
        const std::string version = ReadFilesIni(LanguageFileName(), "Global", "_Version");
        const std::string titleKey = MainCaptionTitleKey(*state->Oem);
        const std::string title =
            titleKey.rfind("Lang_All_", 0) == 0 ? LangAll(titleKey) : GetLangText(titleKey);
        setWindowTitle(QString::fromStdString(MainCaption(*state->Oem, title, version)));
    }
    LoadSharedWords();
    LoadSharedLangFont();
    lblLanguage_->setText(QString::fromStdString(LangAll("Lang_All_00210180_12")));
    lblLanguageId_->setText(QString::fromStdString(LangAll("Lang_All_00210336_11")));
    txtLanguageId_->setText(QString::fromStdString(Globals().LanguageId));
    if (IsTestDataMode()) {
        const std::string marker = "(TEST_DBGF1OFREALISY)" + LangAll("Lang_All_00010002_11");
        lblMap_->setText(QString::fromStdString("MAP" + marker));
        lblProtocolType_->setText(QString::fromStdString("ProtocolType" + marker));
        btnSetVpid_->setText(btnSetVpid_->text() + QString::fromStdString(marker));
    }
}

void T_frmMain_Label::FillLanguageChoice() {
    if (const TOstrelVar* state = GlobalObjects().OstrelVar.get(); state != nullptr && state->Oem) {
        languageChoice_.Fill(*state->Oem);
    }
    const QSignalBlocker blocker(cmbLanguage_);
    cmbLanguage_->clear();
    for (const TLangChoiceEntry& entry : languageChoice_.Entries()) {
        cmbLanguage_->addItem(QString::fromStdString(entry.text));
    }
    cmbLanguage_->setCurrentIndex(languageChoice_.SelectedIndex());
}

void T_frmMain_Label::LoadPrinterList(int selectIndex) {
    printers_ = LoadUserPrinterList();
    loading_ = true;
    {
        const QSignalBlocker blocker(lvPrinterList_);
        lvPrinterList_->clear();
        for (const TPrinterEntry& entry : printers_) {
            auto* item = new QTreeWidgetItem(lvPrinterList_);
            const std::string* fields[] = {&entry.ListName, &entry.PortKind, &entry.PortAddress, &entry.Notes,
                                           &entry.GenKey};
            for (int column = 0; column < 5; ++column) {
                item->setText(column, QString::fromStdString(*fields[column]));
            }
            if (lvPrinterList_->topLevelItemCount() == 1) {
                lvPrinterList_->setColumnWidth(0, IsTestDataMode() ? 300 : 120);
                lvPrinterList_->setColumnWidth(1, 40);
                lvPrinterList_->setColumnWidth(2, 140);
                lvPrinterList_->setColumnWidth(3, 140);
            }
        }
    }
    btnDeletePrinter_->setEnabled(printers_.size() > 1);
    const int count = static_cast<int>(printers_.size());
    lastIndex_ = count == 0 ? 0 : std::clamp(selectIndex, 0, count - 1);
    SelectRow(lastIndex_);
    loading_ = false;
}

int T_frmMain_Label::SelectedIndex() const {
    const QList<QTreeWidgetItem*> selected = lvPrinterList_->selectedItems();
    return selected.isEmpty() ? -1 : lvPrinterList_->indexOfTopLevelItem(selected.front());
}

void T_frmMain_Label::SelectRow(int index) {
    QTreeWidgetItem* item = lvPrinterList_->topLevelItem(index);
    if (item == nullptr) {
        return;
    }
    selecting_ = true;
    lvPrinterList_->setCurrentItem(item);
    item->setSelected(true);
    selecting_ = false;
    PrinterSelect();
}

QPushButton* T_frmMain_Label::Button(const char* objectName) const {
    return findChild<QPushButton*>(objectName);
}

TPrinterFacts T_frmMain_Label::Facts() const {
    TPrinterFacts facts = SelectedPrinterFacts();
    facts.rfidList = rfidList_;
    return facts;
}

void T_frmMain_Label::PrinterSelect() {
    usbRecheckPending_ = false;
    const int row = SelectedIndex();
    if (row < 0 || row >= static_cast<int>(printers_.size())) {
        if (loading_) {
            loading_ = false;
        } else if (lastIndex_ < static_cast<int>(printers_.size())) {
            SelectRow(lastIndex_);
        }
        return;
    }
    if (!loading_) {
        lastIndex_ = row;
    }
    const TSelectionOutcome outcome =
        SelectPrinter(printers_[static_cast<std::size_t>(row)], txtTempVpid_->text().trimmed().toStdString());
    const TPrinterIdentity& identity = PrinterIdentity();
    txtPrinterName_->setText(QString::fromStdString(identity.ListName));
    txtBasName_->setText(QString::fromStdString(identity.Model));
    txtVpid_->setText(QString::fromStdString(outcome.vpidText));
    txtVpids_->setText(QString::fromStdString(outcome.identityDisplay));
    txtMap_->setText(QString::fromStdString(identity.MapModel));
    UpdateFunctionButtons();
    LayoutWindow();
    if (outcome.createResult != 0) {
        ShowErrorBox(ErrorCodeText("_Err_CreatePrinter", outcome.createResult));
    }
}

void T_frmMain_Label::UpdateFunctionButtons() {
    const TPrinterFacts facts = Facts();
    visibleButtons_ = VisibleFuncButtons(facts);
    for (const auto& [button, widget] : funcButtons_) {
        widget->hide();
    }
    for (std::size_t n = 0; n < visibleButtons_.size(); ++n) {
        QPushButton* widget = funcButtons_.at(visibleButtons_[n]);
        const TGridPlace place = GridPlace(static_cast<int>(n), kButtonWidth, kButtonHeight);
        widget->move(place.left, place.top);
        widget->show();
    }
    sbtnSysPara_->setVisible(SysParaButtonVisible(facts));
    btnDFU_->setVisible(!IsSerialAddress(PrinterIdentity().PortAddress));
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    btnDFU2_->setVisible(state != nullptr && state->HasFeature("FTNNo_DfuBin_Visible"));
    btnMore_->setVisible(DebugMode());
}

void T_frmMain_Label::LayoutWindow() {
    const int rows = GridRows(static_cast<int>(visibleButtons_.size()));
    const int pageTop = kListTop + kListHeight + 6;
    sbtnFunction_->move(kMargin, pageTop);
    sbtnSysPara_->move(kMargin + kPageButtonWidth + 6, pageTop);
    const int groupTop = pageTop + kPageButtonHeight + 6;
    const int groupHeight = GroupHeight(rows, kButtonHeight);
    gpbFunction_->setGeometry(kMargin, groupTop, kGroupWidth, groupHeight);
    pnlSysPara_->setGeometry(gpbFunction_->geometry());
    const int bottomTop = groupTop + groupHeight + 10;
    // The bottom buttons are at least their design width and as wide as
    // their texts need in the window's language.
    for (QPushButton* button : {btnDFU_, btnDFU2_, btnMore_, btnQuit_}) {
        button->resize(std::max(kBottomButtonWidth, button->sizeHint().width()), kQuitHeight);
    }
    btnDFU_->move(kMargin, bottomTop);
    btnDFU2_->move(btnDFU_->geometry().right() + 1 + 11, bottomTop);
    btnMore_->move(btnDFU2_->geometry().right() + 1 + 11, bottomTop);
    btnQuit_->move(kMargin + kGroupWidth - btnQuit_->width(), bottomTop);
    const int width = DebugMode() ? kDesignWidth : 2 * kMargin + kGroupWidth;
    setFixedSize(width, WindowHeight(groupTop, rows, kButtonHeight, kQuitHeight));
}

void T_frmMain_Label::ShowFunctionPage() {
    sbtnFunction_->setChecked(true);
    sbtnSysPara_->setChecked(false);
    pnlSysPara_->hide();
    gpbFunction_->show();
}

void T_frmMain_Label::ShowSysParaPage() {
    sbtnFunction_->setChecked(false);
    sbtnSysPara_->setChecked(true);
    gpbFunction_->hide();
    pnlSysPara_->show();
    pnlSysPara_->raise();
}

void T_frmMain_Label::btnLangSetClick() {
    if (const TOstrelVar* state = GlobalObjects().OstrelVar.get()) {
        languageChoice_.Select(cmbLanguage_->currentIndex());
        if (languageChoice_.Set(state->SysPmFile)) {
            ShowInfo(LangText("FormMain_Label_LangSaved"));
        } else {
            ShowErrorBox(LangText("_Err_WriteData") + ":" + state->SysPmFile);
        }
    }
}

void T_frmMain_Label::btnLangReadClick() {
    if (const TOstrelVar* state = GlobalObjects().OstrelVar.get()) {
        languageChoice_.Read(state->SysPmFile);
        const QSignalBlocker blocker(cmbLanguage_);
        cmbLanguage_->setCurrentIndex(languageChoice_.SelectedIndex());
    }
}

} // namespace tolvane
