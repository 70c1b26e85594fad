#include "mdlFeatureRecord.h"

#include "mdlFtnAFamilies.h"

#include <memory>

namespace tolvane {
namespace {

// Both live on the user-interface thread only.
std::unique_ptr<TFtnABase> g_record;
std::unique_ptr<TASetFtnA> g_assigner;

} // namespace

void CreateFeatureObjects() {
    g_record = std::make_unique<TFtnABase>();
    g_assigner = std::make_unique<TASetFtnA>();
}

void FreeFeatureObjects() {
    g_record.reset();
    g_assigner.reset();
}

TFtnABase& SelectFeatureRecord(const std::string& listName) {
    g_record = CreateFeatureRecord(listName);
    g_record->Reset();
    g_record->FillGenerationNames();
    g_record->FillVariants();
    g_record->FillIdentityDisplay();
    g_record->FillManualIdentity();
    FeatureAssigner().SetFlags(*g_record, listName);
    return *g_record;
}

TFtnABase& CurrentFeatureRecord() {
    if (!g_record) {
        g_record = std::make_unique<TFtnABase>();
    }
    return *g_record;
}

const TASetFtnA& FeatureAssigner() {
    if (!g_assigner) {
        g_assigner = std::make_unique<TASetFtnA>();
    }
    return *g_assigner;
}

} // namespace tolvane
