#include "mdlCatalogueOverlay.h"

#include "mdlIniDocument.h"
#include "mdlModelLists.h"
#include "mdlPaths.h"
#include "mdlReadFilesIni.h"

#include <mutex>

namespace tolvane {
namespace {

constexpr const char* kParameterSetSection = "ParameterSet";

std::mutex g_mutex;
std::string g_catalogueFileName = kCatalogueFileName;

} // namespace

void SetCatalogueFileName(const std::string& fileName) {
    std::lock_guard lock(g_mutex);
    g_catalogueFileName = fileName;
}

std::string CatalogueFileName() {
    std::lock_guard lock(g_mutex);
    return g_catalogueFileName;
}

std::string CatalogueOverlay(const std::string& fileName, const std::string& section, const std::string& key,
                             std::string value) {
    if (IniFoldCase(fileName) != IniFoldCase(CatalogueFileName()) ||
        IniFoldCase(section) != IniFoldCase(kParameterSetSection)) {
        return value;
    }
    return value + CatalogueAddition(key);
}

void InstallCatalogueOverlay() {
    SetCatalogueOverlay(&CatalogueOverlay);
}

std::string ReadCatalogue(const std::string& key) {
    return ReadFilesIni(CatalogueFileName(), kParameterSetSection, key);
}

} // namespace tolvane
