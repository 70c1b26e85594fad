#include "usb_port.h"

#include "device_names.h"
#include "result_codes.h"
#include "uri.h"
#include "usb_enumeration.h"
#include "usb_matching.h"
#include "usb_read.h"

#include <cstring>

namespace cobrix {
namespace {

// Longest location and port number an address may carry.
constexpr size_t kMaxOptionText = 255;
// Short requests are read through scratch buffers of these sizes.
constexpr int kReadScratch = 255;
constexpr int kPendingScratch = 64;
constexpr int64_t kPendingWaitMs = 100;

} // namespace

std::unique_ptr<PortOps> makeUsbPort() {
    return std::make_unique<UsbPort>();
}

int UsbPort::configure(const char* address) {
    ostrel_io_uri parsed;
    if (const int r = uri::parse(&parsed, address); r != kOk) {
        return r;
    }
    const char* location = uri::option(&parsed, "location");
    const char* portNumber = location == nullptr ? uri::option(&parsed, "portnum") : nullptr;
    for (const char* text : {location, portNumber}) {
        if (text != nullptr && std::strlen(text) > kMaxOptionText) {
            return kIoInvalidSetting;
        }
    }
    if (std::strlen(parsed.device) > kDeviceNameField) {
        return kIoNameTooLong;
    }
    anyDevice_ = location == nullptr && portNumber == nullptr;
    location_ = location != nullptr ? location : "";
    portNumber_ = portNumber != nullptr ? portNumber : "";
    deviceName_ = parsed.device;
    nameFilter_ = deviceName_ == "DEVICE" ? std::string() : deviceName_;
    address_ = address;
    configured_ = true;
    return kOk;
}

int UsbPort::open() {
    special_ = false;
    std::vector<UsbPrinterInfo> printers;
    if (const int r = listUsbPrinters(printers); r != kOk) {
        return r;
    }
    const UsbSearchResult found = searchUsbPrinter(printers, {anyDevice_, location_, nameFilter_});
    if (found.result != kOk) {
        return found.result;
    }
    if (!configured_) {
        return kIoInvalidSetting;
    }
    special_ = found.special;
    if (isOpen()) {
        close();
    }
    devicePath_ = found.printer.devicePath;
    cancel_.lower();
    return openDevice();
}

int UsbPort::readAllowed() const {
    if (const int ready = readyForIo(); ready != kOk) {
        return ready;
    }
    return special_ && !readsEnabled_ ? kNotImplemented : kOk;
}

int UsbPort::read(uint8_t* buffer, int offset, int length, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int allowed = readAllowed(); allowed != kOk) {
        return allowed;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || length < 0) {
        return kBadParameter;
    }
    if (length == 0) {
        return kOk;
    }
    const UsbReadTiming timing{readConstantMs_ + readMultiplierMs_ * length, readIntervalMs_};
    if (length >= kReadScratch) {
        return readWithAttempts(fd_, buffer + offset, length, length, timing, cancel_, got);
    }
    uint8_t scratch[kReadScratch];
    int received = 0;
    const int result = readWithAttempts(fd_, scratch, kReadScratch, length, timing, cancel_, &received);
    *got = handBackLast(scratch, received, buffer + offset, length);
    return result;
}

int UsbPort::readPending(uint8_t* buffer, int offset, int end, int* got) {
    if (got != nullptr) {
        *got = 0;
    }
    if (const int allowed = readAllowed(); allowed != kOk) {
        return allowed;
    }
    if (buffer == nullptr || got == nullptr || offset < 0 || end < offset) {
        return kBadParameter;
    }
    const int length = end - offset;
    if (length == 0) {
        return kOk;
    }
    if (length >= kPendingScratch) {
        return readOnce(fd_, buffer + offset, length, kPendingWaitMs, cancel_, got);
    }
    uint8_t scratch[kPendingScratch];
    int received = 0;
    const int result = readOnce(fd_, scratch, kPendingScratch, kPendingWaitMs, cancel_, &received);
    *got = handBackLast(scratch, received, buffer + offset, length);
    return result;
}

int UsbPort::control(int operation, const uint8_t* input, int inputLength, uint8_t* output,
                     int outputCapacity, int* outputLength) {
    if (outputLength != nullptr) {
        *outputLength = 0;
    }
    const auto answer = [&](bool flag) {
        if (output == nullptr || outputCapacity < 1) {
            return static_cast<int>(kNoBuffer);
        }
        output[0] = flag ? 1 : 0;
        if (outputLength != nullptr) {
            *outputLength = 1;
        }
        return static_cast<int>(kOk);
    };
    switch (operation) {
    case kGetSpecialDevice:
        return answer(special_);
    case kSetReadsEnabled:
        if (input == nullptr || inputLength < 1) {
            return kBadParameter;
        }
        readsEnabled_ = input[0] != 0;
        return kOk;
    case kGetReadsEnabled:
        return answer(readsEnabled_);
    default:
        return kNotImplemented;
    }
}

} // namespace cobrix
