#include "mdlMapModel.h"

#include "mdlCatalogueData.h"
#include "mdlFeatureRecord.h"
#include "mdlGlobal.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlOemClass.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"
#include "mdlSelvanic.h"

namespace tolvane {
namespace {

constexpr int kMapModeEditionOnly = 1;
constexpr int kMapModeFileThenEdition = 2;

} // namespace

std::string MapModelOf(const std::string& model, const std::string& defaultModel, const TOemClass* edition) {
    const int mode = edition != nullptr ? edition->MapMode : 0;
    const bool useFile = mode != kMapModeEditionOnly;
    const bool useEdition = mode == kMapModeEditionOnly || mode == kMapModeFileThenEdition;

    std::string working;
    bool answered = false;
    if (useFile) {
        working = ReadFilesIni(kPrinterMapFileName, "Map", model);
        answered = !working.empty();
    }
    if (!answered && useEdition) {
        answered = edition->MapLookup(model, working);
        if (!answered) {
            working =
                InBuiltInList(lists::BuiltInQuistMapModels, model) ? std::string(kBuiltInMapTarget) : model;
        }
    }
    if (!answered) {
        working = FeatureAssigner().MapVariant(working);
    }
    if (std::optional<std::string> transformed = Selvanic().TransformPrtMapModel(working)) {
        working = *transformed;
    }
    const std::string& toolType = Globals().ToolType;
    if (working.empty() && (toolType == "Label" || toolType == "Mobile")) {
        return defaultModel;
    }
    return working;
}

} // namespace tolvane
