// The file dialog's window: a thin Qt view of the dialog without widgets
// (TDLFileDialog). Every control of the form model gets its widget; changes
// of the model are mirrored into them, the user's input goes to the
// dialog's handlers, and the worker threads' updates arrive queued on this
// window's thread. Closing the window during a transfer cancels it and
// waits for both threads first.
#pragma once

#include "mdlDLFile.h"

#include <QDialog>

#include <map>
#include <memory>
#include <string>

namespace tolvane {

class TfrmDLFile : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDLFile(QWidget* parent = nullptr, bool imagesOnly = false);
    ~TfrmDLFile() override;

    download::TDLFileDialog& Dialog() { return *dialog_; }
    QWidget* Widget(const std::string& name) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

  private:
    void Build();
    void Sync(const std::string& name);
    void Clicked(const std::string& button);
    void Browse();

    std::unique_ptr<download::TDLFileDialog> dialog_;
    std::map<std::string, QWidget*> widgets_;
    bool shownOnce_ = false;
    bool closed_ = false;
    bool syncing_ = false;
};

// The image-only variant, opened for the printers of the catalogue key
// "DLFile_Kavo".
class TfrmDLFile_Kavo : public TfrmDLFile {
    Q_OBJECT
  public:
    explicit TfrmDLFile_Kavo(QWidget* parent = nullptr) : TfrmDLFile(parent, true) {}
};

// Registers both windows with the main window's dialog registry.
void RegisterFileDialogs();

} // namespace tolvane
