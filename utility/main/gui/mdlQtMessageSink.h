// The program's message interface: Qt message boxes for information,
// OK/Cancel questions and errors.
#pragma once

#include "mdlMessages.h"

namespace tolvane {

class TQtMessageSink : public IMessageSink {
  public:
    // Information icon, OK.
    void ShowInfo(const std::string& text, const std::string& title) override;
    // Question icon, OK and Cancel, Cancel the default, kept on top.
    bool AskOkCancel(const std::string& text, const std::string& title) override;
    // Error icon, OK.
    void ShowError(const std::string& text, const std::string& title) override;
};

// Installs the Qt message boxes as the message interface and the program's
// message box window for TGlobalVar; called once by the program after the
// application object exists (tests install their own message interface).
void InstallWidgetServices();

} // namespace tolvane
