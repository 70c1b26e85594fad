#include "mdlPrintTextDialogs.h"

#include "mdlPrintText.h"
#include "mdlPrintTextLabel.h"

namespace tolvane::diagnostics {

const std::vector<std::string>& PrintTextDialogClasses() {
    static const std::vector<std::string> classes = {TPrintTextLabel::kClassName,
                                                     TPrintTextLabel::kMiroClassName, TPrintText::kClassName};
    return classes;
}

std::unique_ptr<params::TParaDialogModel> CreatePrintTextDialog(const std::string& className,
                                                                params::TParaDialogContext context,
                                                                const std::string& maxWidthMm) {
    if (className == TPrintTextLabel::kClassName || className == TPrintTextLabel::kMiroClassName) {
        return std::make_unique<TPrintTextLabel>(std::move(context),
                                                 className == TPrintTextLabel::kMiroClassName, maxWidthMm);
    }
    if (className == TPrintText::kClassName) {
        return std::make_unique<TPrintText>(std::move(context));
    }
    return nullptr;
}

} // namespace tolvane::diagnostics
