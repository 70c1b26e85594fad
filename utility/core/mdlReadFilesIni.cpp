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

std::string ReadFilesIni(const std::string& fileName, const std::string& section, const std::string& key) {
    const std::string path = FilesFolder() + fileName;
    std::string value = IsLanguageFileName(fileName) ? ReadLanguageFileValue(path, section, key)
                                                     : IniReadString(path, section, key);
    FilesIniOverlay overlay;
    {
        std::lock_guard lock(g_overlayMutex);
        overlay = g_catalogueOverlay;
    }
    return overlay ? overlay(fileName, section, key, std::move(value)) : value;
}

void SetCatalogueOverlay(FilesIniOverlay overlay) {
    std::lock_guard lock(g_overlayMutex);
    g_catalogueOverlay = std::move(overlay);
}

} // namespace tolvane
