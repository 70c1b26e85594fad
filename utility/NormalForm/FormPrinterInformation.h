// T_frmPrinterInformation: the printer information window, a view of the
// dialog TPrinterInformation (utility/diagnostics/mdlPrinterInformation.h).
#pragma once

#include "mdlFormView.h"
#include "mdlPrinterInformation.h"

namespace tolvane {

class T_frmPrinterInformation final : public TFormView {
    Q_OBJECT
  public:
    explicit T_frmPrinterInformation(const params::TParaDialogContext& context, QWidget* parent = nullptr);

    diagnostics::TPrinterInformation& Information() {
        return static_cast<diagnostics::TPrinterInformation&>(Dialog());
    }
};

// Registers the window's opener with the main window.
void RegisterPrinterInformationWindow();

} // namespace tolvane
