// ReadFilesIni: the one way the program reads a value from its INI files in
// FilesFolder (option file, language files, catalogue, protocol file). The
// value read passes through the language-file overlay and then through the
// catalogue overlay, which may replace or extend it.
#pragma once

#include <functional>
#include <string>

namespace tolvane {

// The value of key in section of FilesFolder + fileName, after the overlays;
// empty when the file, section or key is missing.
std::string ReadFilesIni(const std::string& fileName, const std::string& section, const std::string& key);

// The catalogue overlay: called for every ReadFilesIni with the file name,
// section, key and the value so far; returns the value to give the caller
// (the value unchanged for files it does not handle). Installed by the
// catalogue unit at start-up; an empty function removes it.
using FilesIniOverlay = std::function<std::string(const std::string& fileName, const std::string& section,
                                                  const std::string& key, std::string value)>;
void SetCatalogueOverlay(FilesIniOverlay overlay);

// Whether fileName is one of the two language files.
bool IsLanguageFileName(const std::string& fileName);

} // namespace tolvane
