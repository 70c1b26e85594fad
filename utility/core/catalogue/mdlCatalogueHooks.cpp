#include "mdlCatalogueHooks.h"

#include "mdlCatalogueOverlay.h"
#include "mdlCompanyPrinterList.h"
#include "mdlCoreHooks.h"
#include "mdlEditionCatalogueCheck.h"
#include "mdlFTNVar.h"
#include "mdlFeatureRecord.h"
#include "mdlGlobal.h"
#include "mdlGlobalObjects.h"
#include "mdlModelLists.h"
#include "mdlProtocolLists.h"

namespace tolvane {
namespace {

TFTNVar* CurrentFeatureList() {
    TOstrelVar* state = GlobalObjects().OstrelVar.get();
    return state != nullptr ? state->FeatureList.get() : nullptr;
}

const TOemClass* CurrentEdition() {
    const TOstrelVar* state = GlobalObjects().OstrelVar.get();
    return state != nullptr ? state->Oem.get() : nullptr;
}

} // namespace

void InstallCatalogueHooks() {
    static const TCatalogueProtocols protocols;
    SetProtocolCatalogue(&protocols);

    TCoreHooks& hooks = CoreHooks();
    hooks.BuildModelLists = [] {
        BuildModelLists();
        InstallCatalogueOverlay();
    };
    hooks.CreateFeatureObjects = &CreateFeatureObjects;
    hooks.FreeFeatureObjects = &FreeFeatureObjects;
    hooks.CreateFeatureList = [] { return std::make_shared<TFTNVar>(); };
    hooks.FeatureModelList = [](const std::string& key) {
        const TFTNVar* list = CurrentFeatureList();
        return list != nullptr ? list->ModelList(key) : std::string();
    };
    hooks.BuiltInModelList = [](const std::string& name) { return BuiltInList(name); };
    hooks.SetCatalogueFile = &SetCatalogueFileName;
    hooks.BuildFeatureLists = [] {
        if (TFTNVar* list = CurrentFeatureList()) {
            list->BuildFeatureLists(Globals().ToolType, Globals().OemCo);
        }
    };
    hooks.FillCompanyPrinterList = &FillCompanyPrinterList;
    hooks.LoadProtocolLists = [] {
        SetProtocolLists(ReadProtocolLists(CurrentEdition()));
        if (TFTNVar* list = CurrentFeatureList()) {
            list->LoadCatalogueFeatures();
        }
    };
    hooks.CheckEditionCatalogue = &CheckEditionCatalogue;
}

} // namespace tolvane
