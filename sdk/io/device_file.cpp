#include "device_file.h"

#include "clock.h"
#include "result_codes.h"
#include "shared_state.h"
#include "system_error.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace cobrix {
namespace {

// Longest single wait, so that a raised cancel flag is seen promptly.
constexpr int64_t kWaitSliceMs = 100;

} // namespace

int openDeviceExclusive(const char* path, int* fd) {
    *fd = -1;
    const int handle = ::open(path, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0) {
        return lastSystemError();
    }
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int code = lastSystemError();
        ::close(handle);
        return code;
    }
    if (::isatty(handle) != 0 && ::ioctl(handle, TIOCEXCL) != 0) {
        const int code = lastSystemError();
        ::close(handle);
        return code;
    }
    *fd = handle;
    return kOk;
}

void closeDevice(int fd) {
    if (fd < 0) {
        return;
    }
    if (::isatty(fd) != 0) {
        ::ioctl(fd, TIOCNXCL);
    }
    ::flock(fd, LOCK_UN);
    ::close(fd);
}

int timedRead(int fd, uint8_t* buffer, int length, ReadTiming timing, const CancelFlag& cancel, int* got) {
    *got = 0;
    const bool unbounded = timing.totalMs <= 0 && timing.intervalMs <= 0;
    const int64_t start = nowMs();
    int64_t lastByteAt = start;
    while (*got < length) {
        int64_t wait = kWaitSliceMs;
        if (!unbounded) {
            if (timing.totalMs > 0) {
                wait = msLeft(start, timing.totalMs);
            }
            if (*got > 0 && timing.intervalMs > 0) {
                const int64_t gapLeft = msLeft(lastByteAt, timing.intervalMs);
                wait = timing.totalMs > 0 ? std::min(wait, gapLeft) : gapLeft;
            }
            if (wait <= 0) {
                break;
            }
        }
        if (cancel.raised()) {
            break;
        }
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, pollTimeout(std::min(wait, kWaitSliceMs)));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return lastSystemError();
        }
        if (ready == 0) {
            continue;
        }
        const ssize_t n = ::read(fd, buffer + *got, static_cast<size_t>(length - *got));
        if (n > 0) {
            *got += static_cast<int>(n);
            lastByteAt = nowMs();
        } else if (n == 0) {
            break; // end of file: nothing more will come
        } else if (errno != EAGAIN && errno != EINTR) {
            return lastSystemError();
        }
    }
    return kOk;
}

int timedWrite(int fd, const uint8_t* buffer, int length, int64_t budgetMs, int* written) {
    *written = 0;
    const int64_t start = nowMs();
    while (*written < length) {
        const ssize_t n = ::write(fd, buffer + *written, static_cast<size_t>(length - *written));
        if (n > 0) {
            *written += static_cast<int>(n);
            continue;
        }
        if (n == 0) {
            return kErrWriteFault;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN) {
            return lastSystemError();
        }
        const int64_t left = msLeft(start, budgetMs);
        if (left <= 0) {
            return kIoWriteTimeout;
        }
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, pollTimeout(left)) < 0 && errno != EINTR) {
            return lastSystemError();
        }
    }
    return kOk;
}

} // namespace cobrix
