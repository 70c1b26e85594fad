#include "mdlDialogRegistry.h"

#include <map>

namespace tolvane {
namespace {

std::map<std::string, TDialogOpener>& Registry() {
    static std::map<std::string, TDialogOpener> registry;
    return registry;
}

TMethodChooser& Chooser() {
    static TMethodChooser chooser;
    return chooser;
}

} // namespace

void RegisterDialog(const std::string& className, TDialogOpener opener) {
    Registry()[className] = std::move(opener);
}

TDialogOpener FindDialog(const std::string& className) {
    const auto found = Registry().find(className);
    return found != Registry().end() ? found->second : TDialogOpener{};
}

void ClearDialogRegistry() {
    Registry().clear();
    Chooser() = {};
}

void RegisterMethodChooser(TMethodChooser chooser) {
    Chooser() = std::move(chooser);
}

TMethodChooser FindMethodChooser() {
    return Chooser();
}

} // namespace tolvane
