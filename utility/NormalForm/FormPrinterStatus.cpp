#include "FormPrinterStatus.h"

#include "mdlDialogRegistry.h"

namespace tolvane {

T_frmPrinterStatus::T_frmPrinterStatus(const params::TParaDialogContext& context, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TPrinterStatus>(context), parent) {}

void RegisterPrinterStatusWindow() {
    RegisterDialog(diagnostics::TPrinterStatus::kClassName, [](QWidget* parent) {
        T_frmPrinterStatus window(params::SelectedPrinterContext(), parent);
        window.exec();
    });
}

} // namespace tolvane
