#include "mdlASetFtnA.h"

#include "mdlCatalogueData.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"

namespace tolvane {

void TASetFtnA::SetFlags(TFtnABase& record, const std::string& model) const {
    record.GenerationChoice = InBuiltInList(lists::GenChoiceModels, model);
    record.Generation2Allowed = InBuiltInList(lists::Gen2AllowedModels, model);
    record.TestChoice = InBuiltInList(lists::TestChoiceModels, model) && IsTestDataMode();
    record.Generation1Labelled = InBuiltInList(lists::Gen1LabelModels, model);
    record.Generation2LabelV2 = InBuiltInList(lists::Gen2LabelV2Models, model);
    record.Generation2LabelV4 = InBuiltInList(lists::Gen2LabelV4Models, model);
}

std::string TASetFtnA::MapVariant(const std::string& name) const {
    for (const TNameMapRow& row : VariantMapRows()) {
        if (row.from == name) {
            return std::string(row.to);
        }
    }
    return name;
}

} // namespace tolvane
