// The catalogue overlay of ReadFilesIni: reading one of the keys that have
// a built-in addition (mdlCatalogueData.cpp) from section "ParameterSet" of
// the catalogue file gives the file's value followed by the built-in list.
// Every other key, section and file is returned as read.
#pragma once

#include <string>

namespace tolvane {

// The catalogue file the overlay applies to, in FilesFolder
// ("PrinterTypeList_Label.ini" until the main window names it).
void SetCatalogueFileName(const std::string& fileName);
std::string CatalogueFileName();

// value + the built-in addition when fileName is the catalogue file (names
// compare without regard to ASCII case, like section and key names) and
// the key has one; value unchanged otherwise.
std::string CatalogueOverlay(const std::string& fileName, const std::string& section, const std::string& key,
                             std::string value);

// Makes ReadFilesIni apply CatalogueOverlay.
void InstallCatalogueOverlay();

// ReadFilesIni(catalogue file, "ParameterSet", key): a feature model list
// with its built-in addition.
std::string ReadCatalogue(const std::string& key);

} // namespace tolvane
