// T_frmCommandTest: the command test window, a view of the dialog
// TCommandTest (utility/diagnostics/mdlCommandTest.h), with the pages'
// copy and paste menu.
#pragma once

#include "mdlCommandTest.h"
#include "mdlFormView.h"

namespace tolvane {

class T_frmCommandTest final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmCommandTest(const params::TParaDialogContext& context, QWidget* parent = nullptr);

    diagnostics::TCommandTest& CommandTest() { return static_cast<diagnostics::TCommandTest&>(Dialog()); }
};

// Registers the window's opener with the main window.
void RegisterCommandTestWindow();

} // namespace tolvane
