// How a value of a language file is read: the edition that keeps its own
// wording under prefixed keys, the languages whose texts come from the
// language helper library, and the extra language that edition lists.
#pragma once

#include "mdlIniDocument.h"

#include <string>

namespace tolvane {

// Whether the current ToolType and OemCo select an edition that prefers
// prefixed language keys and lists Korean (its record in the edition file
// says so).
bool UsesPrefixedLanguageKeys();
// The prefix of a language section for that edition ("" for other sections).
std::string PrefixedKeyPrefix(const std::string& section);
// Whether the texts of a section come from the language helper library
// ("1042", "7", "1040", "1036").
bool IsHelperLanguageSection(const std::string& section);

// The value of key in section of a language file (doc, read from path), overlaid:
// 1. for the prefixed-key edition, prefix + key is read instead when the
//    section holds it;
// 2. in the helper-library sections "_FontCharset" reads "1" for "1042", and
//    "1" for the others when the file gives nothing; every other key comes
//    from the helper library when it is loaded (the file's own value
//    otherwise);
// 3. for the prefixed-key edition "List" of "LanguageCollect" gets ",1042".
std::string ReadLanguageFileValue(const IniDocument& doc, const std::string& path, const std::string& section,
                                  const std::string& key);

} // namespace tolvane
