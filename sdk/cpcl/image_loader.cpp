#include "image_loader.h"

#include "image_readers.h"
#include "result_codes.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cobrix::cpcl {
namespace {

bool startsWith(std::span<const uint8_t> file, const char* magic, size_t length) {
    return file.size() >= length && std::memcmp(file.data(), magic, length) == 0;
}

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

int readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<uint64_t>(info.st_size) > kMaxImageFileBytes) {
        return kLoadImage;
    }
    try {
        bytes.resize(static_cast<size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return kLoadImage;
        }
        done += static_cast<size_t>(n);
    }
    return kOk;
}

} // namespace

int loadImage(std::span<const uint8_t> file, LoadedImage& image) {
    image = LoadedImage{};
    if (startsWith(file, "BM", 2)) {
        return readBmp(file, image);
    }
    if (startsWith(file, "\x89PNG\r\n\x1a\n", 8)) {
        return readPng(file, image);
    }
    if (startsWith(file, "\xFF\xD8\xFF", 3)) {
        return readJpeg(file, image);
    }
    if (startsWith(file, "GIF87a", 6) || startsWith(file, "GIF89a", 6)) {
        return readGif(file, image);
    }
    return kLoadImage;
}

int loadImageFile(const std::string& path, LoadedImage& image) {
    image = LoadedImage{};
    std::vector<uint8_t> bytes;
    if (const int r = readWholeFile(path, bytes); r != kOk) {
        return r;
    }
    return loadImage(bytes, image);
}

} // namespace cobrix::cpcl
