#include "file_port.h"

#include "clock.h"
#include "device_file.h"
#include "result_codes.h"

#include <algorithm>
#include <cstring>

namespace cobrix {

FilePort::~FilePort() {
    closeDevice(fd_);
}

int FilePort::getAddress(char* buffer, int capacity, int* length) {
    return copyPortAddress(address_, configured_, buffer, capacity, length);
}

int FilePort::close() {
    closeDevice(fd_);
    fd_ = -1;
    return kOk;
}

int FilePort::cancel() {
    cancel_.raise();
    return kOk;
}

int FilePort::checkOpen() {
    if (!configured_) {
        return kIoInvalidSetting;
    }
    return isOpen() ? kOk : kIoNotOpen;
}

int FilePort::setTimeouts(int64_t read, int64_t gap, int64_t write) {
    if (read < 0 || gap < 0 || write < 0) {
        return kBadParameter;
    }
    readConstantMs_ = read;
    readIntervalMs_ = gap;
    writeConstantMs_ = write;
    return kOk;
}

int FilePort::getTimeouts(int64_t* read, int64_t* gap, int64_t* write) {
    if (read == nullptr || gap == nullptr || write == nullptr) {
        return kBadParameter;
    }
    *read = readConstantMs_;
    *gap = readIntervalMs_;
    *write = writeConstantMs_;
    return kOk;
}

int FilePort::readyForIo() const {
    if (!configured_) {
        return kIoInvalidSetting;
    }
    return isOpen() ? kOk : kIoNotOpen;
}

int FilePort::openDevice() {
    return openDeviceExclusive(devicePath_.c_str(), &fd_);
}

int FilePort::write(const uint8_t* buffer, int offset, int length, int* written) {
    int total = 0;
    if (written != nullptr) {
        *written = 0;
    }
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    if (length < 0 || offset < 0 || (length > 0 && buffer == nullptr)) {
        return kBadParameter;
    }
    const uint8_t* data = buffer + offset;
    const int64_t overallBudget = static_cast<int64_t>(length) * writeMultiplierMs_ + writeConstantMs_;
    const int64_t start = nowMs();
    int result = kOk;
    while (total < length && !cancel_.raised()) {
        const int chunk = std::min(chunkSize_, length - total);
        const int64_t chunkBudget = static_cast<int64_t>(chunk) * writeMultiplierMs_ + writeConstantMs_;
        const int64_t budget = std::min(chunkBudget, msLeft(start, overallBudget));
        int sent = 0;
        result = timedWrite(fd_, data + total, chunk, budget, &sent);
        total += sent;
        if (result != kOk) {
            break;
        }
    }
    if (written != nullptr) {
        *written = total;
    }
    return result;
}

int FilePort::control(int, const uint8_t*, int, uint8_t*, int, int* outputLength) {
    if (outputLength != nullptr) {
        *outputLength = 0;
    }
    return kNotImplemented;
}

} // namespace cobrix
