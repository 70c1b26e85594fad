#include "FormPrinterInformation.h"

#include "mdlDialogRegistry.h"

namespace tolvane {

T_frmPrinterInformation::T_frmPrinterInformation(const params::TParaDialogContext& context, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TPrinterInformation>(context), parent) {}

void RegisterPrinterInformationWindow() {
    RegisterDialog(diagnostics::TPrinterInformation::kClassName, [](QWidget* parent) {
        T_frmPrinterInformation window(params::SelectedPrinterContext(), parent);
        window.exec();
    });
}

} // namespace tolvane
