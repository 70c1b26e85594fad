// ReadFilesIni: the one way the program reads a value from its INI files in
// FilesFolder (option file, language files, catalogue, protocol file). The
// value read passes through the language-file overlay and then through the
// catalogue overlay, which may replace or extend it.
#pragma once

#include "mdlIniDocument.h"

#include <functional>
#include <memory>
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

// Reads many values of one file, through the same overlays, from one
// snapshot of it (the text table reads hundreds of texts at once).
class TFilesIniReader {
  public:
    explicit TFilesIniReader(const std::string& fileName);
    std::string Read(const std::string& section, const std::string& key) const;
    const IniDocument& Document() const { return *doc_; }
    // FilesFolder + fileName.
    const std::string& Path() const { return path_; }

  private:
    std::string fileName_;
    std::string path_;
    bool isLanguageFile_;
    std::shared_ptr<const IniDocument> doc_;
    FilesIniOverlay overlay_;
};

// Whether fileName is one of the two language files.
bool IsLanguageFileName(const std::string& fileName);

} // namespace tolvane
