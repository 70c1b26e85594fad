#include "mdlPaperWidth.h"

#include "mdlCatalogueOverlay.h"
#include "mdlGlobal_Permission.h"

namespace tolvane {
namespace {

struct TWidthRule {
    const char* key;
    const char* width;
};

constexpr TWidthRule kWidthRules[] = {
    {"PaperWidth56", "56"},
    {"PaperWidth80", "80"},
    {"PaperWidth108", "108"},
};

bool ListsModel(const std::string& key, const std::string& model) {
    return ReadCatalogue(key).find(model + ",") != std::string::npos;
}

} // namespace

std::string DefaultPaperWidth(const std::string& model) {
    if (model.empty()) {
        return "48";
    }
    if (ListsModel("FTN_PaperWidth_1", model)) {
        return DebugMode() ? "720" : "72";
    }
    for (const TWidthRule& rule : kWidthRules) {
        if (ListsModel(rule.key, model)) {
            return rule.width;
        }
    }
    return "48";
}

} // namespace tolvane
