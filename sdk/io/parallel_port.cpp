#include "parallel_port.h"

#include "clock.h"
#include "device_names.h"
#include "result_codes.h"
#include "system_error.h"
#include "uri.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace cobrix {
namespace {

// Read errors that a parallel port reports while it has nothing to say.
bool ignorableReadError(int code) {
    return code == kErrIoDevice || code == kErrInvalidFunction;
}

constexpr int kMaxPausesPerRead = 5;

} // namespace

int ParallelPort::configure(const char* address) {
    ostrel_io_uri parsed;
    if (const int r = uri::parse(&parsed, address); r != kOk) {
        return r;
    }
    deviceName_ = parsed.device;
    devicePath_ = devicePathFor(deviceName_);
    address_ = address;
    configured_ = true;
    return kOk;
}

int ParallelPort::open() {
    if (!configured_) {
        return kIoInvalidSetting;
    }
    if (isOpen()) {
        close();
    }
    return openDevice();
}

int ParallelPort::readOneByte(uint8_t* byte) {
    for (;;) {
        const ssize_t n = ::read(fd_, byte, 1);
        if (n == 1) {
            return 1;
        }
        if (n == 0 || errno == EAGAIN) {
            return 0;
        }
        if (errno != EINTR) {
            return lastSystemError();
        }
    }
}

int ParallelPort::read(uint8_t* buffer, int offset, int length, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    if (!readEnabled_) {
        return kNotImplemented;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || length < 0) {
        return kBadParameter;
    }
    const int64_t budget = readMultiplierMs_ * length + readConstantMs_;
    const int64_t start = nowMs();
    int pauses = 0;
    while (*got < length) {
        if (nowMs() - start > budget) {
            return kIoReadTimeout;
        }
        const int r = readOneByte(buffer + offset + *got);
        if (r == 1) {
            ++*got;
            continue;
        }
        if (r != 0 && !ignorableReadError(r)) {
            return r;
        }
        // Nothing came: a few short pauses first, then wait out the budget.
        const int64_t left = msLeft(start, budget) + 1;
        const int64_t wait = pauses < kMaxPausesPerRead ? std::clamp<int64_t>(budget, 10, 100) : left;
        ++pauses;
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, pollTimeout(std::min(wait, left)));
        if (ready > 0 && (p.revents & POLLIN) == 0) {
            // The device reports a condition rather than data: do not spin on it.
            ::usleep(static_cast<useconds_t>(std::min(wait, left) * 1000));
        }
    }
    return kOk;
}

int ParallelPort::readPending(uint8_t* buffer, int offset, int end, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    if (!readEnabled_) {
        return kNotImplemented;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || end < offset) {
        return kBadParameter;
    }
    for (int i = offset; i < end; ++i) {
        const int r = readOneByte(buffer + i);
        if (r == 1) {
            ++*got;
        } else if (r == 0) {
            if (*got == 0) {
                return kOk; // nothing waiting at all
            }
        } else {
            return ignorableReadError(r) ? kOk : r;
        }
    }
    return kOk;
}

int ParallelPort::control(int operation, const uint8_t* input, int inputLength, uint8_t* output,
                          int outputCapacity, int* outputLength) {
    if (outputLength != nullptr) {
        *outputLength = 0;
    }
    switch (operation) {
    case kSetReadEnabled:
        if (input == nullptr || inputLength < 1) {
            return kBadParameter;
        }
        readEnabled_ = input[0] != 0;
        return kOk;
    case kGetReadEnabled:
        if (output == nullptr || outputCapacity < 1) {
            return kNoBuffer;
        }
        output[0] = readEnabled_ ? 1 : 0;
        if (outputLength != nullptr) {
            *outputLength = 1;
        }
        return kOk;
    default:
        return kNotImplemented;
    }
}

} // namespace cobrix
