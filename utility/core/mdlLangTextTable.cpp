#include "mdlLangTextTable.h"

#include "mdlGetLangText.h"
#include "mdlIniFile.h"
#include "mdlMorrant.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"

#include <mutex>
#include <vector>

namespace tolvane {

bool IsTextTableKey(std::string_view key) {
    return key.substr(0, 9) == "Lang_All_" || key.substr(0, 9) == "Lang_Pos_";
}

void TLangTextTable::Load(const std::string& languageId) {
    const std::string fileName = LanguageFileName();
    const std::string path = FilesFolder() + fileName;
    const auto doc = IniLoad(path);

    std::vector<std::string> keys;
    std::unordered_map<std::string, bool> seen;
    const std::string defaultId = ReadFilesIni(fileName, "LanguageCollect", "DefaultLanguageID");
    for (const std::string& section : {languageId, defaultId}) {
        for (const auto& [key, value] : doc->Entries(section)) {
            if (IsTextTableKey(key) && seen.emplace(key, true).second) {
                keys.push_back(key);
            }
        }
    }

    auto table = std::make_shared<Table>();
    table->languageId = languageId;
    table->texts.reserve(keys.size());
    const bool throughHelper = Morrant().CanReadIni();
    for (const std::string& key : keys) {
        table->texts[key] = throughHelper
                                ? Morrant().LangReadIni(path, languageId, key).value_or(std::string())
                                : ReadFilesIni(fileName, languageId, key);
    }
    std::lock_guard lock(mutex_);
    table_ = std::move(table);
}

std::shared_ptr<const TLangTextTable::Table> TLangTextTable::Current() const {
    std::lock_guard lock(mutex_);
    return table_;
}

std::string TLangTextTable::Text(std::string_view key) const {
    const auto table = Current();
    const auto it = table->texts.find(std::string(key));
    return it != table->texts.end() ? it->second : std::string();
}

std::string TLangTextTable::LanguageId() const {
    return Current()->languageId;
}
std::size_t TLangTextTable::Size() const {
    return Current()->texts.size();
}
void TLangTextTable::Clear() {
    std::lock_guard lock(mutex_);
    table_ = std::make_shared<const Table>();
}

TLangTextTable& LangTexts() {
    static TLangTextTable instance;
    return instance;
}

std::string LangAll(std::string_view key) {
    return LangTexts().Text(key);
}

} // namespace tolvane
