#include "mdlOemClass.h"

#include "mdlFileUtil.h"
#include "mdlGlobal_Permission.h"
#include "mdlIniDocument.h"
#include "mdlLangTextTable.h"
#include "mdlOemEditionFile.h"
#include "mdlPaths.h"

namespace tolvane {
namespace {

int TOemValues::*LanguageFlag(const std::string& id) {
    if (id == "2052") {
        return &TOemValues::Lang2052;
    }
    if (id == "1033") {
        return &TOemValues::Lang1033;
    }
    if (id == "1042") {
        return &TOemValues::Lang1042;
    }
    if (id == "7") {
        return &TOemValues::Lang7;
    }
    if (id == "1040") {
        return &TOemValues::Lang1040;
    }
    if (id == "1036") {
        return &TOemValues::Lang1036;
    }
    return nullptr;
}

} // namespace

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
    const auto flag = LanguageFlag(id);
    return flag != nullptr && this->*flag == 1;
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

TOemEdition::TOemEdition(std::shared_ptr<const TOemEditionRecord> record) : record_(std::move(record)) {
    static_cast<TOemValues&>(*this) = record_->Values;
    ProductGuid.clear();
    ProductCode.clear();
    DataFolder.clear();
    if (Roles().Programmer) {
        ModelList.insert(ModelList.end(), record_->ProgrammerModels.begin(), record_->ProgrammerModels.end());
    }
    if (IsTestDataMode()) {
        ModelList.insert(ModelList.end(), record_->TestModels.begin(), record_->TestModels.end());
    }
    CaptionSuffixText = TOemEdition::CaptionSuffix();
}

void TOemEdition::Initialise() {
    ProductGuid = record_->Values.ProductGuid;
    ProductCode = record_->Values.ProductCode;
    ComputeDataFolder();
}

std::string TOemEdition::CaptionSuffix() const {
    std::string suffix = record_->CaptionSuffix;
    if (!record_->CaptionSuffixKey.empty()) {
        suffix += LangAll(record_->CaptionSuffixKey);
    }
    return suffix;
}

std::unique_ptr<TOemClass> SelectOemEdition(const std::string& toolType, const std::string& oemCo) {
    std::unique_ptr<TOemClass> edition;
    if (std::shared_ptr<const TOemEditionRecord> record = FindOemEdition(toolType, oemCo)) {
        edition = std::make_unique<TOemEdition>(std::move(record));
    } else {
        edition = std::make_unique<TOemClass>();
    }
    edition->ToolType = toolType;
    edition->OemCo = oemCo;
    edition->Initialise();
    return edition;
}

} // namespace tolvane
