#include "mdlModelResolution.h"

#include "mdlFeatureRecord.h"
#include "mdlIniDocument.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlSelvanic.h"

#include <optional>

namespace tolvane {
namespace {

std::optional<std::string> GenerationName(const TFtnABase& record, const std::string& key) {
    if (!record.GenerationChoice) {
        return std::nullopt;
    }
    if (key == "1" && !record.Generation1Name.empty()) {
        return record.Generation1Name;
    }
    if (key == "2" && record.Generation2Allowed && !record.Generation2Name.empty()) {
        return record.Generation2Name;
    }
    return std::nullopt;
}

std::optional<std::string> ManualName(const TFtnABase& record, const std::string& name,
                                      const std::string& typedIdentity) {
    if (IniTrim(typedIdentity).empty() || !InBuiltInList(lists::ManualIdentityModels, name)) {
        return std::nullopt;
    }
    for (const TManualIdentity* manual : {&record.Manual1, &record.Manual2}) {
        if (IsModelInList(name, manual->ModelList) && Matches(manual->Matcher, typedIdentity)) {
            return manual->ResolvedName;
        }
    }
    return std::nullopt;
}

} // namespace

TModelResolution ResolveModel(const std::string& listName, const std::string& generationKey,
                              const std::string& typedIdentity) {
    TModelResolution resolution;
    const TFtnABase& record = SelectFeatureRecord(listName);
    std::string name = listName;
    if (std::optional<std::string> renamed = Selvanic().TransformPrtName(name);
        renamed && !InBuiltInList(lists::TransformKeepNames, name)) {
        name = *renamed;
    }
    if (IsModelInList(name, record.DisplayModelList)) {
        resolution.IdentityDisplay = record.DisplayIdentity1 + "," + record.DisplayIdentity2;
    }
    // A chosen firmware generation settles the model.
    if (std::optional<std::string> generation = GenerationName(record, generationKey)) {
        resolution.Model = *generation;
        return resolution;
    }
    if (std::optional<std::string> manual = ManualName(record, name, typedIdentity)) {
        resolution.Model = *manual;
    } else {
        resolution.UsbCheck = UsbVidPidCheck(name, record);
        resolution.Identity = resolution.UsbCheck.Identity;
        resolution.Model = resolution.UsbCheck.Passed ? resolution.UsbCheck.ResolvedName : name;
    }
    if (InBuiltInList(lists::KeepListNameNames, listName)) {
        resolution.Model = listName;
    }
    return resolution;
}

} // namespace tolvane
