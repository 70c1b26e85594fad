// The windows of the font dialogs (TfrmDLF, TfrmDLUF), the TSPL file
// managers (T_frmTempletManage, T_frmImagesManageTSPL) and their batch
// download (T_frmDownloadFile_TSPL): thin views of the dialogs without
// widgets.
#pragma once

#include "mdlDLFont.h"
#include "mdlModelWindow.h"
#include "mdlTsplFiles.h"

#include <memory>

class QTimer;

namespace tolvane {

class TfrmDLF : public TModelWindow {
    Q_OBJECT
  public:
    explicit TfrmDLF(QWidget* parent = nullptr);
    ~TfrmDLF() override;
    download::TDLFontDialog& Dialog() { return *dialog_; }

  private:
    std::unique_ptr<download::TDLFontDialog> dialog_;
};

class TfrmDLUF : public TModelWindow {
    Q_OBJECT
  public:
    explicit TfrmDLUF(QWidget* parent = nullptr);
    ~TfrmDLUF() override;
    download::TDLUserFontDialog& Dialog() { return *dialog_; }

  private:
    void ArmTimer();
    std::unique_ptr<download::TDLUserFontDialog> dialog_;
    QTimer* timer_ = nullptr;
};

class T_frmDownloadFile_TSPL : public TModelWindow {
    Q_OBJECT
  public:
    T_frmDownloadFile_TSPL(download::TTsplBatchDownload& dialog, QWidget* parent = nullptr);
};

class T_frmTempletManage : public TModelWindow {
    Q_OBJECT
  public:
    explicit T_frmTempletManage(QWidget* parent = nullptr, const char* className = "T_frmTempletManage");
    ~T_frmTempletManage() override;
    download::TTsplFileManager& Dialog() { return *dialog_; }
    // Reads the printer's files before the window is opened; false when the
    // printer did not answer (the error was shown), and the window is not
    // to be opened empty.
    bool ReadBeforeOpening();

  private:
    std::unique_ptr<download::TTsplFileManager> dialog_;
    bool read_ = false;
};

// Registers the font windows and the TSPL file managers.
void RegisterFontDialogs();

} // namespace tolvane
