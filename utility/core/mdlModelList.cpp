#include "mdlModelList.h"

namespace tolvane {

bool IsModelInList(std::string_view model, std::string_view list) {
    if (model.empty()) {
        return false; // ",," in a joined list must not give features to a nameless printer
    }
    std::string needle;
    needle.reserve(model.size() + 2);
    needle += ',';
    needle += model;
    needle += ',';
    return list.find(needle) != std::string_view::npos;
}

} // namespace tolvane
