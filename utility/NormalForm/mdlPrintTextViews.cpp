#include "mdlPrintTextViews.h"

#include "FormPrintText.h"
#include "mdlDialogRegistry.h"
#include "mdlPaperWidth.h"
#include "mdlPrintTextDialogs.h"
#include "mdlPrinterIdentity.h"

namespace tolvane {

std::unique_ptr<TFormView> CreatePrintTextWindow(const std::string& className, QWidget* parent) {
    const params::TParaDialogContext context = params::SelectedPrinterContext();
    const std::string maxWidth = DefaultPaperWidth(PrinterIdentity().Model);
    if (className == "T_frmPrintTextLabel") {
        return std::make_unique<T_frmPrintTextLabel>(context, maxWidth, parent);
    }
    if (className == "T_frmPrintTextLabelCpclMirobt") {
        return std::make_unique<T_frmPrintTextLabelCpclMirobt>(context, maxWidth, parent);
    }
    if (className == "T_frmPrintText") {
        return std::make_unique<T_frmPrintText>(context, parent);
    }
    if (className == diagnostics::TScanTest::kClassName) {
        return std::make_unique<T_frmScanTest>(context, diagnostics::TScanTestTimes{}, parent);
    }
    return nullptr;
}

void RegisterPrintTextDialogs() {
    std::vector<std::string> classes = diagnostics::PrintTextDialogClasses();
    classes.push_back(diagnostics::TScanTest::kClassName);
    for (const std::string& className : classes) {
        RegisterDialog(className, [className](QWidget* parent) {
            if (std::unique_ptr<TFormView> window = CreatePrintTextWindow(className, parent)) {
                window->exec();
            }
        });
    }
}

} // namespace tolvane
