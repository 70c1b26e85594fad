#include "mdlReadFilesIni.h"

#include "mdlIniFile.h"
#include "mdlLangOverlay.h"
#include "mdlPaths.h"

#include <mutex>

namespace tolvane {
namespace {

std::mutex g_overlayMutex;
FilesIniOverlay g_catalogueOverlay;

} // namespace

bool IsLanguageFileName(const std::string& fileName) {
    const std::string folded = IniFoldCase(fileName);
    return folded == IniFoldCase(kLabelLanguageFileName) || folded == IniFoldCase(kMobileLanguageFileName);
}

TFilesIniReader::TFilesIniReader(const std::string& fileName)
    : fileName_(fileName), path_(FilesFolder() + fileName), isLanguageFile_(IsLanguageFileName(fileName)),
      doc_(IniLoad(path_)) {
    std::lock_guard lock(g_overlayMutex);
    overlay_ = g_catalogueOverlay;
}

std::string TFilesIniReader::Read(const std::string& section, const std::string& key) const {
    std::string value;
    if (isLanguageFile_) {
        value = ReadLanguageFileValue(*doc_, path_, section, key);
    } else if (const auto found = doc_->Find(section, key)) {
        value = *found;
    }
    return overlay_ ? overlay_(fileName_, section, key, std::move(value)) : value;
}

std::string ReadFilesIni(const std::string& fileName, const std::string& section, const std::string& key) {
    return TFilesIniReader(fileName).Read(section, key);
}

void SetCatalogueOverlay(FilesIniOverlay overlay) {
    std::lock_guard lock(g_overlayMutex);
    g_catalogueOverlay = std::move(overlay);
}

} // namespace tolvane
