#include "FormDLFont.h"

#include "gui/mdlFileChooser.h"
#include "mdlDialogRegistry.h"

#include <QApplication>
#include <QTimer>

namespace tolvane {

namespace {

// The chosen file, or empty when the user cancelled; `filter` is a Qt
// filter text, empty for every file.
QString BrowseFor(QWidget* window, const std::string& filter) {
    const std::optional<std::string> path = ChooseOpenFile(window->windowTitle().toStdString(), filter);
    return path ? QString::fromStdString(*path) : QString();
}

} // namespace

TfrmDLF::TfrmDLF(QWidget* parent)
    : TModelWindow(parent),
      dialog_(std::make_unique<download::TDLFontDialog>(params::SelectedPrinterContext())) {
    setObjectName("frmDLF");
    Attach(dialog_->Form());
    // The transfer's controls and the memory line keep their place while
    // hidden: the buttons below them do not move when they appear.
    KeepPlaceOf({"proDLFont", "lblProgressInfo_F", "Label1", "Label2", "lblSpace_Font"});
    dialog_->SetPost([this](std::function<void()> work) {
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
    });
    OnShow = [this] { dialog_->FormShow(); };
    OnClose = [this] { dialog_->FormClose(); };
    OnEdited = [this](const std::string& name) { dialog_->CheckValue(name); };
    OnSelect = [this](const std::string& name) {
        if (name == "lvFonts") {
            dialog_->lvFontsClick();
        }
    };
    OnClick = [this](const std::string& button) {
        if (button == "Button2") {
            const QString path = BrowseFor(this, download::TDLFontDialog::FileFilter());
            if (!path.isEmpty()) {
                dialog_->ChooseFile(path.toStdString());
            }
        } else if (button == "btnDLFont") {
            dialog_->btnDLFontClick();
        } else if (button == "btnDeleteCurFont") {
            dialog_->btnDeleteCurFontClick();
        } else if (button == "btnDeleteAllFont") {
            dialog_->btnDeleteAllFontClick();
        } else if (button == "btnTestFont") {
            dialog_->btnTestFontClick();
        } else if (button == "btnClose") {
            close();
        }
    };
}

TfrmDLF::~TfrmDLF() {
    Detach();
    // A transfer still running is cancelled and its threads joined before
    // the controls go away.
    dialog_->FormClose();
}

TfrmDLUF::TfrmDLUF(QWidget* parent)
    : TModelWindow(parent),
      dialog_(std::make_unique<download::TDLUserFontDialog>(params::SelectedPrinterContext())) {
    setObjectName("frmDLUF");
    Attach(dialog_->Form());
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] {
        dialog_->timSendTimer();
        ArmTimer();
    });
    OnShow = [this] { dialog_->FormShow(); };
    OnClose = [this] {
        timer_->stop();
        dialog_->btnCloseClick();
    };
    OnClick = [this](const std::string& button) {
        if (button == "Button2") {
            const QString path = BrowseFor(this, "");
            if (!path.isEmpty()) {
                dialog_->ChooseFile(path.toStdString());
            }
        } else if (button == "btnDownload") {
            dialog_->btnDownloadClick();
            ArmTimer();
        } else if (button == "btnClose") {
            close();
        }
    };
}

TfrmDLUF::~TfrmDLUF() {
    Detach();
}

void TfrmDLUF::ArmTimer() {
    if (dialog_->Timer().enabled) {
        timer_->start(dialog_->Timer().intervalMs);
    } else {
        timer_->stop();
    }
}

T_frmDownloadFile_TSPL::T_frmDownloadFile_TSPL(download::TTsplBatchDownload& dialog, QWidget* parent)
    : TModelWindow(parent) {
    setObjectName("frmDownloadFile_TSPL");
    Attach(dialog.Form());
    dialog.ProcessMessages = [] { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
    OnClick = [this, &dialog](const std::string& button) {
        if (button == "btnAdd") {
            const QString path = BrowseFor(this, "");
            if (!path.isEmpty()) {
                dialog.AddFile(path.toStdString());
            }
        } else if (button == "btnDel") {
            dialog.btnDelClick();
        } else if (button == "btnDownload") {
            setEnabled(false);
            dialog.btnDownloadClick();
            setEnabled(true);
        } else if (button == "btnClose") {
            close();
        }
    };
}

T_frmTempletManage::T_frmTempletManage(QWidget* parent, const char* className)
    : TModelWindow(parent), dialog_(std::make_unique<download::TTsplFileManager>(className)) {
    setObjectName(QString::fromLatin1(className + 1));
    Attach(dialog_->Form());
    dialog_->ShowDownload = [this](download::TTsplBatchDownload& batch) {
        T_frmDownloadFile_TSPL window(batch, this);
        window.exec();
    };
    OnShow = [this] {
        if (!read_) {
            dialog_->FormShow();
        }
    };
    OnClose = [this] { dialog_->FormClose(); };
    OnSelect = [this](const std::string& name) {
        if (name == "cmbTempletSavePosition") {
            dialog_->cmbTempletSavePositionChange();
        }
    };
    OnClick = [this](const std::string& button) {
        if (button == "btnRefresh") {
            dialog_->btnRefreshClick();
        } else if (button == "btnClose") {
            close();
        } else {
            dialog_->MouseClick(button);
        }
    };
}

T_frmTempletManage::~T_frmTempletManage() {
    Detach();
}

bool T_frmTempletManage::ReadBeforeOpening() {
    read_ = true;
    return dialog_->FormShow();
}

void RegisterFontDialogs() {
    RegisterDialog("TfrmDLF", [](QWidget* parent) {
        TfrmDLF window(parent);
        window.exec();
    });
    RegisterDialog("TfrmDLUF", [](QWidget* parent) {
        TfrmDLUF window(parent);
        window.exec();
    });
    for (const char* name : {"T_frmTempletManage", "T_frmImagesManageTSPL"}) {
        RegisterDialog(name, [name](QWidget* parent) {
            T_frmTempletManage window(parent, name);
            if (window.ReadBeforeOpening()) {
                window.exec();
            }
        });
    }
}

} // namespace tolvane
