#include "usb_read.h"

#include "clock.h"
#include "result_codes.h"
#include "shared_state.h"
#include "system_error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace cobrix {
namespace {

constexpr int kMaxAttempts = 5;
// An attempt that brings nothing sooner than this after the previous one is
// followed by a pause, so that a device answering "nothing" at once is not polled in a spin.
constexpr int64_t kQuickEmptyMs = 100;
constexpr int64_t kMaxPauseMs = 100;
// Longest single poll, so that a raised cancel flag is seen promptly.
constexpr int64_t kWaitSliceMs = 100;

enum class Wait { Ready, TimedOut, Cancelled, Failed };

// Waits until `fd` has something to read (data, or a condition that makes
// read() report an error), at most `waitMs`.
Wait waitReadable(int fd, int64_t waitMs, const CancelFlag& cancel, int* error) {
    const int64_t start = nowMs();
    for (;;) {
        if (cancel.raised()) {
            return Wait::Cancelled;
        }
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, pollTimeout(std::min(msLeft(start, waitMs), kWaitSliceMs)));
        if (ready > 0) {
            return Wait::Ready;
        }
        if (ready < 0 && errno != EINTR) {
            *error = lastSystemError();
            return Wait::Failed;
        }
        if (msLeft(start, waitMs) <= 0) {
            return Wait::TimedOut;
        }
    }
}

// One read() after readiness: the count (0 when nothing came) or a system code as a negative value.
int readAvailable(int fd, uint8_t* target, int capacity, int* error) {
    for (;;) {
        const ssize_t n = ::read(fd, target, static_cast<size_t>(capacity));
        if (n >= 0) {
            return static_cast<int>(n);
        }
        if (errno == EAGAIN) {
            return 0;
        }
        if (errno != EINTR) {
            *error = lastSystemError();
            return -1;
        }
    }
}

} // namespace

int readWithAttempts(int fd, uint8_t* target, int capacity, int wanted, UsbReadTiming timing,
                     const CancelFlag& cancel, int* received) {
    *received = 0;
    const int64_t start = nowMs();
    int64_t previousEnd = start;
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const int64_t left = msLeft(start, timing.budgetMs);
        if (left <= 0) {
            return kIoReadTimeout;
        }
        const int64_t wait = *received == 0 ? left : std::min(timing.intervalMs, left);
        int error = 0;
        const Wait waited = waitReadable(fd, wait, cancel, &error);
        if (waited == Wait::Failed) {
            return error;
        }
        if (waited != Wait::Ready) {
            return kIoReadTimeout;
        }
        const int n = readAvailable(fd, target + *received, capacity - *received, &error);
        if (n < 0) {
            return error;
        }
        *received += n;
        if (*received >= wanted) {
            return kOk;
        }
        const int64_t now = nowMs();
        const int attemptsLeft = kMaxAttempts - attempt;
        if (*received == 0 && now - previousEnd < kQuickEmptyMs && attemptsLeft > 0) {
            const int64_t pause = std::min(msLeft(start, timing.budgetMs) / attemptsLeft, kMaxPauseMs);
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        }
        previousEnd = nowMs();
    }
    return kIoReadTimeout;
}

int readOnce(int fd, uint8_t* target, int capacity, int64_t waitMs, const CancelFlag& cancel, int* received) {
    *received = 0;
    int error = 0;
    const Wait waited = waitReadable(fd, waitMs, cancel, &error);
    if (waited == Wait::Failed) {
        return error;
    }
    if (waited != Wait::Ready) {
        return kOk;
    }
    const int n = readAvailable(fd, target, capacity, &error);
    if (n < 0) {
        return error;
    }
    *received = n;
    return kOk;
}

int handBackLast(const uint8_t* scratch, int received, uint8_t* destination, int length) {
    const int count = std::min(received, length);
    if (count > 0) {
        std::memcpy(destination, scratch + (received - count), static_cast<size_t>(count));
    }
    return count;
}

} // namespace cobrix
