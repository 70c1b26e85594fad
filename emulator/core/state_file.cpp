#include "emulator/core/state_file.h"

#include "emulator/core/settings_sections.h"
#include "emulator/core/settings_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace emulator {

StateLoad loadState(const std::string& path, PrinterSettings& settings, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && errno == ENOENT) {
        return StateLoad::Missing;
    }
    std::string text;
    std::vector<SettingsSection> sections;
    if (!readWholeFile(path, kMaxSettingsFile, text, error)) {
        return StateLoad::Failed;
    }
    PrinterSettings loaded;
    bool ok = parseSettingsText(text, sections, error);
    for (const SettingsSection& section : sections) {
        if (ok) {
            ok = applySettingsSection(section, loaded, error);
        }
    }
    if (!ok) {
        error = path + ": " + error;
        return StateLoad::Failed;
    }
    sealBlock(loaded.block);
    settings = std::move(loaded);
    return StateLoad::Loaded;
}

bool saveState(const std::string& path, const PrinterSettings& settings, std::string& error) {
    const std::string text = "# Printer emulator state: the settings the printer keeps across a restart.\n" +
                             formatSettings(settings);
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = "cannot write " + temporary + ": " + std::strerror(errno);
        return false;
    }
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            error = "cannot write " + temporary + ": " + std::strerror(errno);
            ::close(fd);
            ::unlink(temporary.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !synced || ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace emulator
