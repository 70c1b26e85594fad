#include "FormFirmware.h"

#include "mdlDfuQuistel.h"
#include "mdlDialogRegistry.h"
#include "mdlDownFirmwareSelType.h"
#include "mdlGdl.h"

namespace tolvane {

std::optional<std::string> ChooseFirmwareMethod(QWidget* parent, const std::string& code, bool lock) {
    auto dialog = std::make_unique<firmware::TDownFirmwareSelType>(params::SelectedPrinterContext());
    firmware::TDownFirmwareSelType& choice = *dialog;
    TFormView window(std::move(dialog), parent);
    if (!code.empty()) {
        choice.Preselect(code, lock);
    }
    window.exec();
    if (!choice.Accepted()) {
        return std::nullopt;
    }
    return choice.Code();
}

std::unique_ptr<TFormView> CreateFirmwareWindow(const std::string& className, QWidget* parent) {
    const params::TParaDialogContext context = params::SelectedPrinterContext();
    if (className == firmware::TDfuQuistel::kClassName) {
        return std::make_unique<TFormView>(
            std::make_unique<firmware::TDfuQuistel>(context, firmware::SelectedPrinterEntersOtaByKey()),
            parent);
    }
    if (className == firmware::TGdl::kClassName) {
        return std::make_unique<TFormView>(
            std::make_unique<firmware::TGdl>(context, firmware::SelectedPrinterRestartsAfterUpdate()),
            parent);
    }
    return nullptr;
}

void RegisterFirmwareDialogs() {
    for (const char* className : {firmware::TDfuQuistel::kClassName, firmware::TGdl::kClassName}) {
        RegisterDialog(className, [className](QWidget* parent) {
            if (std::unique_ptr<TFormView> window = CreateFirmwareWindow(className, parent)) {
                window->exec();
            }
        });
    }
    RegisterMethodChooser(&ChooseFirmwareMethod);
}

} // namespace tolvane
