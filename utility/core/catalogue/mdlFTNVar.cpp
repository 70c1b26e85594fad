#include "mdlFTNVar.h"

#include "mdlCatalogueData.h"
#include "mdlCatalogueOverlay.h"
#include "mdlModelList.h"
#include "mdlOemEditionFile.h"

namespace tolvane {
namespace {

constexpr std::string_view kPrintTextFeature = "FTNNo_btnPrintText_0";

} // namespace

void TFTNVar::BuildFeatureLists(const std::string& toolType, const std::string& oemCo) {
    std::map<std::string, std::string, std::less<>> built;
    for (const TModelListRow& row : FeatureNumberRows()) {
        built.emplace(row.name, row.models);
    }
    const auto edition = FindOemEdition(toolType, oemCo);
    if (toolType != "Mobile" || edition == nullptr || !edition->Values.FixedPrintTextList) {
        built[std::string(kPrintTextFeature)] = ReadCatalogue("NIsbtnPrintText");
    }
    std::lock_guard lock(mutex_);
    builtIn_ = std::move(built);
}

void TFTNVar::LoadCatalogueFeatures() {
    std::map<std::string, std::string, std::less<>> values;
    for (const std::string_view feature : kCatalogueFeatures) {
        values.emplace("FTNNo_" + std::string(feature), ReadCatalogue("FTN_" + std::string(feature)));
    }
    std::lock_guard lock(mutex_);
    catalogue_ = std::move(values);
}

std::string TFTNVar::ModelList(std::string_view key) const {
    std::lock_guard lock(mutex_);
    if (const auto found = builtIn_.find(key); found != builtIn_.end()) {
        return found->second;
    }
    if (const auto found = catalogue_.find(key); found != catalogue_.end()) {
        return found->second;
    }
    return {};
}

bool TFTNVar::HasFeature(std::string_view key, std::string_view model) const {
    return IsModelInList(model, ModelList(key));
}

} // namespace tolvane
