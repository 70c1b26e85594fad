// A plain Qt view of a form model for the small download dialogs (fonts,
// user fonts, the TSPL file managers and their batch download): one widget
// per control in the order the model lists them, two columns of caption and
// field, changes of the model mirrored into the widgets, clicks and
// selections passed on to the dialog's handlers.
#pragma once

#include "mdlFormModel.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tolvane {

class TModelWindow : public QDialog {
    Q_OBJECT
  public:
    explicit TModelWindow(QWidget* parent = nullptr);
    ~TModelWindow() override;

    // Builds the widgets of the dialog's form; the window views it from now on.
    void Attach(params::TFormModel& form);
    // Stops viewing the form; windows that own their dialog call it in their
    // destructor, before the dialog goes away.
    void Detach();

    QWidget* Widget(const std::string& name) const;
    // These controls keep their room in the layout while hidden, so that
    // showing them does not move the controls below or grow the window.
    void KeepPlaceOf(const std::vector<std::string>& names);
    // A button was pressed, by its control name.
    std::function<void(const std::string&)> OnClick;
    // A list's or table's selection changed (after the model was updated).
    std::function<void(const std::string&)> OnSelect;
    // The user left an edit, by its control name.
    std::function<void(const std::string&)> OnEdited;
    // Called once when the window is first shown, and when it closes.
    std::function<void()> OnShow;
    std::function<void()> OnClose;

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void Build();
    void Sync(const std::string& name);

    params::TFormModel* form_ = nullptr;
    std::map<std::string, QWidget*> widgets_;
    bool shownOnce_ = false;
    bool closed_ = false;
    bool syncing_ = false;
};

} // namespace tolvane
