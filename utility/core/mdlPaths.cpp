#include "mdlPaths.h"

#include "mdlFileUtil.h"

#include <climits>
#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <unistd.h>

namespace tolvane {
namespace {

std::mutex g_mutex;
std::string g_appFolderOverride;

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return "./";
    }
    return ParentFolder(std::string(buffer, static_cast<std::size_t>(length)));
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace

std::string WithSlash(std::string text) {
    if (!text.empty() && text.back() != '/') {
        text += '/';
    }
    return text;
}

std::string AppFolder() {
    {
        std::lock_guard lock(g_mutex);
        if (!g_appFolderOverride.empty()) {
            return g_appFolderOverride;
        }
    }
    static const std::string own = ExecutableFolder();
    return own;
}

void SetAppFolder(const std::string& folder) {
    std::lock_guard lock(g_mutex);
    g_appFolderOverride = WithSlash(folder);
}

std::string FilesFolder() {
    return AppFolder() + "files/";
}
std::string IconsFolder() {
    return AppFolder() + "icons/";
}

bool AppFolderIsInstalled() {
    const std::string app = AppFolder();
    return FileExists(app + kInstalledMarkerName) || ::access(app.c_str(), W_OK) != 0;
}

std::string WorkFolder() {
    return AppFolderIsInstalled() ? DefaultUserDataFolder() : AppFolder();
}

std::string PerPrinterFolder() {
    return WorkFolder() + "PgmOrCdr/";
}
std::string ScratchBitmapFile() {
    return WorkFolder() + "CBT.bmp";
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr) {
            home = entry->pw_dir;
        }
    }
    return WithSlash(home.empty() ? std::string("/") : home);
}

std::string XdgDataHome() {
    const std::string configured = Environment("XDG_DATA_HOME");
    // Relative values are invalid by the base-directory rules and are ignored.
    if (!configured.empty() && configured.front() == '/') {
        return WithSlash(configured);
    }
    return HomeFolder() + ".local/share/";
}

std::string DefaultUserDataFolder() {
    return XdgDataHome() + kDefaultUserDataFolderName + "/";
}

std::string MarkerFolder() {
    return HomeFolder() + "xx20050316094512/";
}
std::string FirstDebugMarker() {
    return MarkerFolder() + "dfile20050316094512.txt";
}
std::string SecondDebugMarker() {
    return AppFolder() + "x20061128153047.txt";
}
std::string TestDataMarker() {
    return MarkerFolder() + "dfile20050316094512-Real.txt";
}

} // namespace tolvane
