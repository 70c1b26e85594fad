// The Qt view of a parameter dialog: builds one widget per control of the
// dialog's form model (named by the control's name), mirrors every change
// of the model into its widget, passes the user's input to the dialog's
// handlers, and runs the dialog's timers with Qt timers.
#pragma once

#include "mdlParaDialogModel.h"

#include <QDialog>

#include <map>
#include <memory>
#include <string>

class QButtonGroup;
class QTimer;
class QTreeWidget;

namespace tolvane {

class TFormView : public QDialog {
    Q_OBJECT
  public:
    // Takes the dialog; builds the widgets and runs FormCreate.
    TFormView(std::unique_ptr<params::TParaDialogModel> dialog, QWidget* parent = nullptr);
    ~TFormView() override;

    params::TParaDialogModel& Dialog() { return *dialog_; }
    // The widget of a control; nullptr when there is none.
    QWidget* Widget(const std::string& name) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Build();
    QWidget* ParentWidget(const params::TControl& control) const;
    QWidget* NewWidget(const params::TControl& control, QWidget* parent);
    void Sync(const std::string& name);
    void SyncDialog();
    void SyncTimer(const std::string& name);
    void Connect(const params::TControl& control, QWidget* widget);
    void Clicked(const std::string& button);
    void LayoutRadioItems(const params::TControl& control, QButtonGroup& group);
    void SyncTable(const params::TControl& control, QTreeWidget& table);
    // Runs dialog work with the busy cursor.
    template <typename Work>
    void Busy(Work work);

    std::unique_ptr<params::TParaDialogModel> dialog_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QButtonGroup*> radioGroups_;
    std::map<std::string, QTimer*> timers_;
    bool shownOnce_ = false;
    bool syncing_ = false;
};

// Makes the protocol's waits keep the windows painting: on the user
// interface thread a wait runs a local event loop that takes no user input.
void InstallPaintingPause();

} // namespace tolvane
