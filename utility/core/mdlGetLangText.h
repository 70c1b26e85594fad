// Language texts by key, and the shared words (common words, paper types,
// error texts and message titles) that the main window loads after it has
// applied its texts and every dialog then uses.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// The language file the windows use (the Label file until the main window
// fixes the name, and after).
std::string LanguageFileName();

// ReadFilesIni(language file, LanguageId, key).
std::string GetLangText(const std::string& key);

// Keys of the shared words, in load order.
const std::vector<std::string>& SharedWordKeys();
// Reads every shared word of the current language.
void LoadSharedWords();
// The loaded text of a shared word; empty before LoadSharedWords.
std::string SharedWord(const std::string& key);
// Forgets the loaded words (start of a run).
void ClearSharedWords();

// Installs the program's language lookup for the layers below the core: a
// shared word's key gives its loaded text (empty before the texts are
// loaded, so the start-up prompts have empty titles); any other key gives
// GetLangText.
void InstallLanguageLookup();

} // namespace tolvane
