#include "sysfs_attribute.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cobrix {

std::optional<std::string> readSysfsAttribute(const std::string& path, size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        std::vector<char> buffer(maxBytes + 1);
        ssize_t n = 0;
        do {
            n = ::read(fd, buffer.data(), buffer.size());
        } while (n < 0 && errno == EINTR);
        if (n >= 0 && static_cast<size_t>(n) <= maxBytes) {
            text.emplace(buffer.data(), static_cast<size_t>(n));
        }
    }
    ::close(fd);
    if (text) {
        while (!text->empty() && std::isspace(static_cast<unsigned char>(text->back()))) {
            text->pop_back();
        }
    }
    return text;
}

std::optional<uint16_t> readSysfsIdentifier(const std::string& path) {
    const std::optional<std::string> text = readSysfsAttribute(path, 16);
    if (!text || text->size() != 4 || !std::all_of(text->begin(), text->end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        })) {
        return std::nullopt;
    }
    return static_cast<uint16_t>(std::strtoul(text->c_str(), nullptr, 16));
}

} // namespace cobrix
