// Brakwell's window: the devices in DFU mode that dfu-util lists, the
// firmware file, the download with its progress and result. Without
// dfu-util it says how to install it.
#pragma once

#include "mdlDfuUtil.h"

#include <QDialog>
#include <QProcess>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace tolvane::updater {

class TfrmBrakwell : public QDialog {
    Q_OBJECT
  public:
    // `texts`: the language file; `languageId`: its section.
    TfrmBrakwell(std::string texts, std::string languageId, QWidget* parent = nullptr);

    // Lists the devices again (runs "dfu-util -l").
    void Refresh();
    // Downloads the file to the selected device.
    void Download();
    const std::vector<TDfuDevice>& Devices() const { return devices_; }

  private:
    QString Text(const char* key) const;
    void Browse();
    void Finished(int exitCode, QProcess::ExitStatus status);
    void Output();
    void SetBusy(bool busy);

    std::string texts_;
    std::string languageId_;
    std::string dfuUtil_;
    std::vector<TDfuDevice> devices_;
    QProcess process_;
    bool listing_ = false;
    QLabel* lblStatus_ = nullptr;
    QListWidget* lstDevices_ = nullptr;
    QPushButton* btnRefresh_ = nullptr;
    QLineEdit* txtFile_ = nullptr;
    QPushButton* btnBrowse_ = nullptr;
    QPushButton* btnDownload_ = nullptr;
    QProgressBar* pbProgress_ = nullptr;
    QPlainTextEdit* memLog_ = nullptr;
    QByteArray output_;
};

} // namespace tolvane::updater
