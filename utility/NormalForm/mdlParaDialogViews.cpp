#include "mdlParaDialogViews.h"

#include "FormParaSet_Kavo.h"
#include "mdlDialogRegistry.h"
#include "mdlFormNet.h"
#include "mdlParaDialogModels.h"
#include "mdlPrinterLib_Call.h"

namespace tolvane {

std::unique_ptr<TFormView> CreateParaDialogWindow(const std::string& className, QWidget* parent) {
    const params::TParaDialogContext context = params::SelectedPrinterContext();
    const bool opened = PrtLib_BeginCommand();
    std::unique_ptr<TFormView> window;
    if (className == params::TParaSetKavo::kClassName) {
        window = std::make_unique<T_frmParaSet_Kavo>(context, parent);
    } else if (auto dialog = params::CreateParaDialogModel(className, context)) {
        window = std::make_unique<TFormView>(std::move(dialog), parent);
    }
    if (opened) {
        PrtLib_EndCommand();
    }
    if (auto* advanced = window ? dynamic_cast<params::TAdvancedSettings*>(&window->Dialog()) : nullptr) {
        // Its buttons open further dialogs modally above it.
        QWidget* owner = window.get();
        advanced->OnOpenDialog = [owner](const std::string& other) {
            if (std::unique_ptr<TFormView> dialog = CreateParaDialogWindow(other, owner)) {
                dialog->exec();
            }
        };
    }
    return window;
}

void RegisterParameterDialogs() {
    for (const std::string& className : params::ParaDialogModelClasses()) {
        RegisterDialog(className, [className](QWidget* parent) {
            if (std::unique_ptr<TFormView> window = CreateParaDialogWindow(className, parent)) {
                window->exec();
            }
        });
    }
}

} // namespace tolvane
