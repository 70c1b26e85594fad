// Language ids: the command-line language switches, the system language
// mapped to a Windows language id, and the fall-back to the language file's
// default when an id is not listed.
#pragma once

#include <string>

namespace tolvane {

// The id of a language switch ("-CN" 2052, "-EN" 1033, "-TW" 1028, "-JP"
// 1041, "-RU" 1049, "-PT" 1046, "-ES" 1034, and "-KR" 1042 when
// knowsKorean); empty for anything else. Case matters.
std::string LanguageIdFromSwitch(const std::string& argument, bool knowsKorean);

// The Windows language id of the user's locale (LC_ALL, else LC_MESSAGES,
// else LANG); 1033 when none is set or the locale is "C"/"POSIX", 0 for a
// language the table does not know.
int SystemLanguageId();
// Every Spanish variant becomes 1034, 2070 becomes 1046, 3076 and 5124
// become 1028; any other id stays as it is.
int MapLanguageId(int windowsId);
// The display name of an id (English), at most 256 characters; empty when
// the id is not known.
std::string LanguageDisplayName(int windowsId);

// Whether id is one of the ids of a language list such as "2052,1033,1028".
// Ids are whole numbers: "0" is not listed in "2052", nor "7" in "1057".
bool IsLanguageListed(const std::string& list, const std::string& id);

// Part of the start-up detection shared by the program and its language
// constants: when id is empty it becomes the mapped system id (name: its
// display name); then, when id is not in the "List" of section
// "LanguageCollect", id and name become "DefaultLanguageID" and
// "DefaultLanguageName". readCollect reads a key of "LanguageCollect".
template <typename ReadCollect>
void DetectLanguageId(std::string& id, std::string& name, ReadCollect readCollect) {
    if (id.empty()) {
        const int system = MapLanguageId(SystemLanguageId());
        id = std::to_string(system);
        name = LanguageDisplayName(system);
    }
    if (!IsLanguageListed(readCollect("List"), id)) {
        id = readCollect("DefaultLanguageID");
        name = readCollect("DefaultLanguageName");
    }
}

} // namespace tolvane
