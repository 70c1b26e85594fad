#include "mdlFileUtil.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tolvane {
namespace {

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

namespace {

template <typename Bytes>
bool ReadWholeInto(const std::string& path, std::size_t maxBytes, Bytes& out) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return false;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    bool ok = true;
    while (filled < out.size()) {
        const ssize_t got = ::read(fd, out.data() + filled, out.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ok = got == 0; // the file shrank while reading: keep what was there
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    out.resize(filled);
    if (!ok) {
        out.clear();
    }
    return ok;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& out) {
    return ReadWholeInto(path, maxBytes, out);
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out) {
    return ReadWholeInto(path, maxBytes, out);
}

bool WriteFileAtomic(const std::string& path, std::string_view data) {
    std::string tempPath = path + ".XXXXXX";
    std::vector<char> tempName(tempPath.begin(), tempPath.end());
    tempName.push_back('\0');
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) {
        return false;
    }
    tempPath.assign(tempName.data());
    struct stat st {};
    const mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    const bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ::unlink(tempPath.c_str());
        return false;
    }
    return true;
}

bool ForceDirectories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    std::size_t pos = path.front() == '/' ? 1 : 0;
    while (pos <= path.size()) {
        const std::size_t slash = path.find('/', pos);
        const std::string prefix = path.substr(0, slash == std::string::npos ? path.size() : slash);
        if (!prefix.empty() && !DirectoryExists(prefix) && ::mkdir(prefix.c_str(), 0755) != 0 &&
            errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            break;
        }
        pos = slash + 1;
    }
    return DirectoryExists(path);
}

bool EnsureFileExists(const std::string& path) {
    if (FileExists(path)) {
        return true;
    }
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return FileExists(path);
}

bool AppendToFile(const std::string& path, std::string_view data) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const bool ok = WriteAll(fd, data);
    return ::close(fd) == 0 && ok;
}

std::string ParentFolder(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace tolvane
