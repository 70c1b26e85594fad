#include "mdlOemClass.h"

#include "mdlFileUtil.h"
#include "mdlIniDocument.h"
#include "mdlPaths.h"

namespace tolvane {

TOemClass::TOemClass() {
    CaptionSuffixText = TOemClass::CaptionSuffix();
}

void TOemClass::Initialise() {
    ComputeDataFolder();
}

std::string TOemClass::CaptionSuffix() const {
    return {};
}

bool TOemClass::MapLookup(const std::string& model, std::string& mapModel) const {
    for (const auto& [name, value] : Map) {
        if (name == model) {
            mapModel = value;
            return true;
        }
    }
    return false;
}

bool TOemClass::OffersLanguage(const std::string& id) const {
    if (id == "2052") {
        return Lang2052 == 1;
    }
    if (id == "1033") {
        return Lang1033 == 1;
    }
    if (id == "1042") {
        return Lang1042 == 1;
    }
    if (id == "7") {
        return Lang7 == 1;
    }
    if (id == "1040") {
        return Lang1040 == 1;
    }
    if (id == "1036") {
        return Lang1036 == 1;
    }
    return false;
}

void TOemClass::ComputeDataFolder() {
    DataFolder.clear();
    if (IniTrim(ProductGuid).empty() || IniTrim(ProductCode).empty()) {
        return;
    }
    const std::string productFolder = XdgDataHome() + ProductCode + PathSeparator;
    ForceDirectories(productFolder);
    DataFolder = productFolder + "OcUserData" + PathSeparator;
    ForceDirectories(DataFolder);
}

const std::vector<TOemEditionEntry>& KnownOemEditions() {
    static const std::vector<TOemEditionEntry> editions;
    return editions;
}

std::unique_ptr<TOemClass> SelectOemEdition(const std::string& toolType, const std::string& oemCo) {
    std::unique_ptr<TOemClass> edition;
    for (const TOemEditionEntry& entry : KnownOemEditions()) {
        if (toolType == entry.toolType && oemCo == entry.oemCo) {
            edition = entry.create();
            break;
        }
    }
    if (!edition) {
        edition = std::make_unique<TOemClass>();
    }
    edition->ToolType = toolType;
    edition->OemCo = oemCo;
    edition->Initialise();
    return edition;
}

} // namespace tolvane
