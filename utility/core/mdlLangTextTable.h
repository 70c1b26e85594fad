// The shared text table: every "Lang_All_" and "Lang_Pos_" text of the
// current language, loaded at once (at first show and whenever another
// language is applied) and reached by key from the dialogs.
#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tolvane {

class TLangTextTable {
  public:
    // Loads the texts of languageId. The keys are those of the language's own
    // section together with those of the file's default language, so that a
    // language served by the helper library gets every text; each text is
    // read through the helper library when it offers "LangReadIni", otherwise
    // through ReadFilesIni (a key the section lacks reads empty).
    void Load(const std::string& languageId);
    // The text of a key; empty when the key is unknown.
    std::string Text(std::string_view key) const;
    std::string LanguageId() const;
    std::size_t Size() const;
    void Clear();

  private:
    struct Table {
        std::string languageId;
        std::unordered_map<std::string, std::string> texts;
    };
    std::shared_ptr<const Table> Current() const;

    mutable std::mutex mutex_;
    std::shared_ptr<const Table> table_ = std::make_shared<const Table>();
};

TLangTextTable& LangTexts();
// LangTexts().Text(key).
std::string LangAll(std::string_view key);

// Whether a key belongs to the text table ("Lang_All_..." or "Lang_Pos_...").
bool IsTextTableKey(std::string_view key);

} // namespace tolvane
