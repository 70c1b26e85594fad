#include "FormBrakwell.h"

#include "mdlIniFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace tolvane::updater {

TfrmBrakwell::TfrmBrakwell(std::string texts, std::string languageId, QWidget* parent)
    : QDialog(parent), texts_(std::move(texts)), languageId_(std::move(languageId)) {
    setObjectName("frmBrakwell");
    setWindowTitle(Text("Brakwell_Caption"));
    resize(560, 420);
    auto* layout = new QVBoxLayout(this);
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName("lblStatus");
    lblStatus_->setWordWrap(true);
    lblStatus_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblStatus_);
    auto* devicesRow = new QHBoxLayout;
    auto* lblDevices = new QLabel(Text("Brakwell_lblDevices"), this);
    devicesRow->addWidget(lblDevices, 1);
    btnRefresh_ = new QPushButton(Text("Brakwell_btnRefresh"), this);
    btnRefresh_->setObjectName("btnRefresh");
    devicesRow->addWidget(btnRefresh_);
    layout->addLayout(devicesRow);
    lstDevices_ = new QListWidget(this);
    lstDevices_->setObjectName("lstDevices");
    layout->addWidget(lstDevices_, 1);
    auto* fileRow = new QHBoxLayout;
    txtFile_ = new QLineEdit(this);
    txtFile_->setObjectName("txtFile");
    txtFile_->setPlaceholderText(Text("Brakwell_txtFile"));
    fileRow->addWidget(txtFile_, 1);
    btnBrowse_ = new QPushButton(Text("Brakwell_btnBrowse"), this);
    btnBrowse_->setObjectName("btnBrowse");
    fileRow->addWidget(btnBrowse_);
    layout->addLayout(fileRow);
    pbProgress_ = new QProgressBar(this);
    pbProgress_->setObjectName("pbProgress");
    pbProgress_->setRange(0, 100);
    pbProgress_->setValue(0);
    layout->addWidget(pbProgress_);
    memLog_ = new QPlainTextEdit(this);
    memLog_->setObjectName("memLog");
    memLog_->setReadOnly(true);
    memLog_->setMaximumBlockCount(2000);
    layout->addWidget(memLog_, 1);
    btnDownload_ = new QPushButton(Text("Brakwell_btnDownload"), this);
    btnDownload_->setObjectName("btnDownload");
    layout->addWidget(btnDownload_, 0, Qt::AlignRight);

    connect(btnRefresh_, &QPushButton::clicked, this, &TfrmBrakwell::Refresh);
    connect(btnBrowse_, &QPushButton::clicked, this, &TfrmBrakwell::Browse);
    connect(btnDownload_, &QPushButton::clicked, this, &TfrmBrakwell::Download);
    connect(&process_, &QProcess::readyReadStandardOutput, this, &TfrmBrakwell::Output);
    connect(&process_, &QProcess::finished, this, &TfrmBrakwell::Finished);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            lblStatus_->setText(Text("Brakwell_Failed") + " " + process_.errorString());
            SetBusy(false);
        }
    });
    process_.setProcessChannelMode(QProcess::MergedChannels);

    const char* path = std::getenv("PATH");
    dfuUtil_ = FindDfuUtil(path != nullptr ? path : "/usr/bin:/bin");
    if (dfuUtil_.empty()) {
        lblStatus_->setText(Text("Brakwell_NoDfuUtil"));
        for (QWidget* widget : {static_cast<QWidget*>(btnRefresh_), static_cast<QWidget*>(btnDownload_)}) {
            widget->setEnabled(false);
        }
        return;
    }
    Refresh();
}

QString TfrmBrakwell::Text(const char* key) const {
    std::string text = IniReadString(texts_, languageId_, key, "");
    if (text.empty()) {
        text = IniReadString(texts_, "1033", key, key);
    }
    return QString::fromStdString(text);
}

void TfrmBrakwell::SetBusy(bool busy) {
    btnRefresh_->setEnabled(!busy && !dfuUtil_.empty());
    btnDownload_->setEnabled(!busy && !dfuUtil_.empty());
    btnBrowse_->setEnabled(!busy);
    lstDevices_->setEnabled(!busy);
}

void TfrmBrakwell::Refresh() {
    if (dfuUtil_.empty() || process_.state() != QProcess::NotRunning) {
        return;
    }
    listing_ = true;
    output_.clear();
    lblStatus_->setText(Text("Brakwell_Listing"));
    SetBusy(true);
    process_.start(QString::fromStdString(dfuUtil_), {"-l"});
}

void TfrmBrakwell::Browse() {
    const QString file = QFileDialog::getOpenFileName(this, Text("Brakwell_btnBrowse"), txtFile_->text(),
                                                      "*.bin *.dfu *.hex (*.bin *.dfu *.hex);;* (*)");
    if (!file.isEmpty()) {
        txtFile_->setText(file);
    }
}

void TfrmBrakwell::Download() {
    if (dfuUtil_.empty() || process_.state() != QProcess::NotRunning) {
        return;
    }
    const int row = lstDevices_->currentRow();
    if (row < 0 || row >= static_cast<int>(devices_.size())) {
        lblStatus_->setText(Text("Brakwell_NoDevice"));
        return;
    }
    const QFileInfo file(txtFile_->text());
    if (txtFile_->text().isEmpty() || !file.isFile() || !file.isReadable() || file.size() == 0) {
        lblStatus_->setText(Text("Brakwell_NoFile"));
        return;
    }
    QStringList args;
    for (const std::string& arg :
         DownloadArguments(devices_[static_cast<std::size_t>(row)], file.absoluteFilePath().toStdString())) {
        args.push_back(QString::fromStdString(arg));
    }
    listing_ = false;
    output_.clear();
    memLog_->clear();
    pbProgress_->setValue(0);
    lblStatus_->setText(Text("Brakwell_Downloading"));
    SetBusy(true);
    process_.start(QString::fromStdString(dfuUtil_), args);
}

void TfrmBrakwell::Output() {
    const QByteArray chunk = process_.readAllStandardOutput();
    output_.append(chunk);
    if (output_.size() > (1 << 20)) {
        output_ = output_.right(1 << 16);
    }
    if (listing_) {
        return;
    }
    memLog_->appendPlainText(QString::fromLocal8Bit(chunk).trimmed());
    if (const std::optional<int> percent = LastPercent(chunk.toStdString())) {
        pbProgress_->setValue(*percent);
    }
}

void TfrmBrakwell::Finished(int exitCode, QProcess::ExitStatus status) {
    Output();
    SetBusy(false);
    const bool ok = status == QProcess::NormalExit && exitCode == 0;
    if (listing_) {
        listing_ = false;
        devices_ = ParseDfuList(output_.toStdString());
        lstDevices_->clear();
        for (const TDfuDevice& device : devices_) {
            lstDevices_->addItem(QString::fromStdString(device.Caption()));
        }
        if (!devices_.empty()) {
            lstDevices_->setCurrentRow(0);
        }
        lblStatus_->setText(devices_.empty()
                                ? Text("Brakwell_NoDevices")
                                : Text("Brakwell_Devices").replace("{0}", QString::number(devices_.size())));
        return;
    }
    if (ok) {
        pbProgress_->setValue(100);
    }
    lblStatus_->setText(ok ? Text("Brakwell_Success")
                           : Text("Brakwell_Failed") + " " + QString::number(exitCode));
}

} // namespace tolvane::updater
