#include "FormDLFile.h"

#include "gui/mdlFileChooser.h"
#include "mdlDialogRegistry.h"
#include "mdlWidgetSync.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tolvane {

using params::TControl;
using params::TControlKind;

namespace {

// The rows of the download part: a caption and its field.
const std::pair<const char*, const char*> kRows[] = {
    {"lblFileType", "cmbFileType"},
    {"lblImageTimes", "cmbImageTimes"},
    {"lblPPL", "cmbPPL"},
    {"lblMemory", "ComboBox1"},
    {"lblPrintWidth", "txtPrintWidth"},
    {"lblPrintHeight", "txtPrintHeight"},
    {"lblXPosition", "txtXPosition"},
    {"lblYPosition", "txtYPosition"},
    {"lblPrintImagePosition", "edtPrintImagePosition"},
};

const char* const kGroups[][6] = {
    {"grpImages", "lvFonts", "btnGetAllImage", "btnPrintImage", "btnDelCurImage", "btnDelAllImage"},
    {"grpTemplates", "ListView1", "btnGetAllTmp", "btnPrintTmp", "btnDelCurTmp", "btnDelAllTmp"},
    {"grpAutoTemplates", "lsbAutoTmp", "btnGetAutoTmp", "btnPrintAutoTmp", "btnDeleteAutoTmp",
     "btnSwitchAutoform"},
};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A list entry as shown: memory and name side by side.
QString EntryShown(const std::string& entry) {
    QString text = Q(entry);
    text.replace('\t', QStringLiteral("    "));
    return text;
}

} // namespace

TfrmDLFile::TfrmDLFile(QWidget* parent, bool imagesOnly)
    : QDialog(parent),
      dialog_(std::make_unique<download::TDLFileDialog>(params::SelectedPrinterContext(), imagesOnly)) {
    setObjectName(imagesOnly ? "frmDLFile_Kavo" : "frmDLFile");
    dialog_->SetPost([this](std::function<void()> work) {
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
    });
    Build();
    dialog_->Form().OnChanged = [this](const std::string& name) { Sync(name); };
}

TfrmDLFile::~TfrmDLFile() {
    dialog_->Form().OnChanged = nullptr;
    if (!closed_) {
        dialog_->FormClose();
    }
}

QWidget* TfrmDLFile::Widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void TfrmDLFile::Build() {
    auto& form = dialog_->Form();
    auto* outer = new QVBoxLayout(this);
    auto* layout = new QHBoxLayout;
    outer->addLayout(layout);
    auto* left = new QGridLayout;
    layout->addLayout(left);
    int row = 0;
    auto combo = [&](const std::string& name) {
        auto* box = new QComboBox(this);
        connect(box, &QComboBox::activated, this, [this, name](int index) {
            dialog_->Form().SetIndex(name, index);
            if (name == "cmbFileType") {
                dialog_->cmbFileTypeChange();
            } else if (name == "cmbPPL") {
                dialog_->cmbPPLChange();
            } else if (name == "ComboBox1") {
                dialog_->ComboBox1Change();
            }
        });
        return box;
    };
    for (const auto& [label, field] : kRows) {
        if (form.Find(field) == nullptr) {
            continue;
        }
        widgets_[label] = new QLabel(this);
        const std::string name = field;
        if (form[field].kind == TControlKind::List) {
            widgets_[field] = combo(name);
        } else {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { dialog_->Form()[name].text = text.toStdString(); });
            connect(edit, &QLineEdit::editingFinished, this, [this] { dialog_->CheckValue(); });
            widgets_[field] = edit;
        }
        left->addWidget(widgets_[label], row, 0);
        left->addWidget(widgets_[field], row, 1, 1, 2);
        ++row;
    }
    widgets_["lblFilePath"] = new QLabel(this);
    widgets_["txtFilePath"] = new QLineEdit(this);
    // Room for a file name, and for the memory line below, whose texts do
    // not widen the window.
    widgets_["txtFilePath"]->setMinimumWidth(180);
    widgets_["Button7"] = new QPushButton(this);
    connect(static_cast<QPushButton*>(widgets_["Button7"]), &QPushButton::clicked, this,
            [this] { Browse(); });
    left->addWidget(widgets_["lblFilePath"], row, 0);
    left->addWidget(widgets_["txtFilePath"], row, 1);
    left->addWidget(widgets_["Button7"], row++, 2);
    widgets_["btnDLFile"] = new QPushButton(this);
    connect(static_cast<QPushButton*>(widgets_["btnDLFile"]), &QPushButton::clicked, this,
            [this] { Clicked("btnDLFile"); });
    left->addWidget(widgets_["btnDLFile"], row++, 0, 1, 3);
    widgets_["btnTspl"] = new QPushButton(this);
    connect(static_cast<QPushButton*>(widgets_["btnTspl"]), &QPushButton::clicked, this, [this] {
        if (const TDialogOpener open = FindDialog("T_frmTempletManage")) {
            open(this);
        }
    });
    left->addWidget(widgets_["btnTspl"], row++, 0, 1, 3);
    widgets_["lblProgressInfo_F"] = new QLabel(this);
    widgets_["ProgressBar2"] = new QProgressBar(this);
    left->addWidget(widgets_["lblProgressInfo_F"], row, 0);
    left->addWidget(widgets_["ProgressBar2"], row++, 1, 1, 2);
    widgets_["Label1"] = new QLabel(this);
    widgets_["Label2"] = new QLabel(this);
    left->addWidget(widgets_["Label1"], row, 1);
    left->addWidget(widgets_["Label2"], row++, 2);
    widgets_["lblSpace_File"] = new QLabel(this);
    left->addWidget(widgets_["lblSpace_File"], row++, 0, 1, 3);
    left->setRowStretch(row, 1);

    auto* right = new QVBoxLayout;
    layout->addLayout(right, 1);
    for (const auto& group : kGroups) {
        auto* box = new QGroupBox(this);
        widgets_[group[0]] = box;
        auto* boxLayout = new QVBoxLayout(box);
        auto* list = new QListWidget(box);
        // A few rows each: the window fits a small screen.
        list->setMaximumHeight(120);
        const std::string listName = group[1];
        connect(list, &QListWidget::currentRowChanged, this, [this, listName](int index) {
            if (!syncing_) {
                dialog_->Form()[listName].index = index;
            }
        });
        widgets_[listName] = list;
        boxLayout->addWidget(list);
        auto* buttons = new QHBoxLayout;
        boxLayout->addLayout(buttons);
        for (int i = 2; i < 6; ++i) {
            auto* button = new QPushButton(box);
            const std::string name = group[i];
            connect(button, &QPushButton::clicked, this, [this, name] { Clicked(name); });
            widgets_[name] = button;
            buttons->addWidget(button);
        }
        right->addWidget(box);
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    widgets_["btnClose"] = new QPushButton(this);
    connect(static_cast<QPushButton*>(widgets_["btnClose"]), &QPushButton::clicked, this,
            [this] { close(); });
    closeRow->addWidget(widgets_["btnClose"]);
    outer->addLayout(closeRow);
    // The transfer's controls and the memory line keep their room while
    // hidden: showing them neither moves the buttons nor grows the window.
    // The texts they get later do not widen it either.
    for (const char* name : {"lblProgressInfo_F", "ProgressBar2", "Label1", "Label2", "lblSpace_File"}) {
        QSizePolicy policy = widgets_[name]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        if (qobject_cast<QLabel*>(widgets_[name]) != nullptr) {
            policy.setHorizontalPolicy(QSizePolicy::Ignored);
        }
        widgets_[name]->setSizePolicy(policy);
    }
    for (const auto& [name, widget] : widgets_) {
        widget->setObjectName(Q(name));
        Sync(name);
    }
}

void TfrmDLFile::Sync(const std::string& name) {
    if (name.empty()) {
        setWindowTitle(Q(dialog_->Form().Title()));
        return;
    }
    QWidget* widget = Widget(name);
    const TControl* control = dialog_->Form().Find(name);
    if (widget == nullptr || control == nullptr) {
        return;
    }
    syncing_ = true;
    SyncWidget(*widget, *control, EntryShown);
    syncing_ = false;
}

void TfrmDLFile::Clicked(const std::string& button) {
    if (button == "btnDLFile") {
        dialog_->btnDLFileClick();
    } else if (button.find("Image") != std::string::npos) {
        dialog_->DoActive_Bitmap(button);
    } else if (button.find("Auto") != std::string::npos) {
        dialog_->DoActive_AutoTmp(button);
    } else {
        dialog_->DoActive_Label(button);
    }
}

void TfrmDLFile::Browse() {
    if (const std::optional<std::string> path =
            ChooseOpenFile(windowTitle().toStdString(), dialog_->FileFilter())) {
        dialog_->ChooseFile(*path);
    }
}

void TfrmDLFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        dialog_->FormShow();
        Sync("");
        KeepOpeningSize(*this);
    }
}

void TfrmDLFile::closeEvent(QCloseEvent* event) {
    if (!closed_) {
        closed_ = true;
        dialog_->FormClose(); // cancels a running transfer and joins its threads
    }
    QDialog::closeEvent(event);
}

void TfrmDLFile::done(int result) {
    if (!closed_) {
        closed_ = true;
        dialog_->FormClose();
    }
    QDialog::done(result);
}

void RegisterFileDialogs() {
    RegisterDialog("TfrmDLFile", [](QWidget* parent) {
        TfrmDLFile window(parent);
        window.exec();
    });
    RegisterDialog("TfrmDLFile_Kavo", [](QWidget* parent) {
        TfrmDLFile_Kavo window(parent);
        window.exec();
    });
}

} // namespace tolvane
