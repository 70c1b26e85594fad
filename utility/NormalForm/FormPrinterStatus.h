// T_frmPrinterStatus: the printer status window, a view of the dialog
// TPrinterStatus (utility/diagnostics/mdlPrinterStatus.h).
#pragma once

#include "mdlFormView.h"
#include "mdlPrinterStatus.h"

namespace tolvane {

class T_frmPrinterStatus final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmPrinterStatus(const params::TParaDialogContext& context, QWidget* parent = nullptr);

    diagnostics::TPrinterStatus& Status() { return static_cast<diagnostics::TPrinterStatus&>(Dialog()); }
};

// Registers the window's opener with the main window.
void RegisterPrinterStatusWindow();

} // namespace tolvane
