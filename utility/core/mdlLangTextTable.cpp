#include "mdlLangTextTable.h"

#include "mdlGetLangText.h"
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
    const TFilesIniReader reader(LanguageFileName());
    auto table = std::make_shared<Table>();
    table->languageId = languageId;
    std::vector<std::string_view> keys;
    const auto collect = [&](std::string_view key, std::string_view) {
        if (IsTextTableKey(key) && table->texts.emplace(key, std::string()).second) {
            keys.push_back(key);
        }
    };
    reader.Document().ForEachEntry(languageId, collect);
    reader.Document().ForEachEntry(reader.Read("LanguageCollect", "DefaultLanguageID"), collect);

    const bool throughHelper = Morrant().CanReadIni();
    for (const std::string_view keyView : keys) {
        const std::string key(keyView);
        table->texts[key] = throughHelper ? Morrant().LangReadIni(reader.Path(), languageId, key).value_or("")
                                          : reader.Read(languageId, key);
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
