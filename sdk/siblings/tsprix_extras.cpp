// Tsprix's own entry points: the identifier of the attached USB printer and
// the printer's serial number.
#include "tsprix.h"

#include "printer_api.h"
#include "printer_handle.h"
#include "result_codes.h"
#include "usb_enumeration.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

using namespace cobrix;

namespace {

constexpr size_t kTextSize = TSPRIX_TEXT_SIZE;
constexpr std::string_view kHardwarePrefix = "USB\\";

// ESC FS "& V1 getval \"serial_no\"" CR LF
constexpr std::string_view kSerialNumberRequest = "\x1b\x1c& V1 getval \"serial_no\"\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

void putText(char* buffer, std::string_view text) {
    std::memset(buffer, 0, kTextSize);
    const size_t n = std::min(text.size(), kTextSize - 1);
    if (n > 0) {
        std::memcpy(buffer, text.data(), n);
    }
}

} // namespace

extern "C" {

COBRIX_API int GetVidPid(char* buffer) {
    if (buffer == nullptr) {
        return kBadParameter;
    }
    putText(buffer, {});
    for (const UsbPrinterInfo& printer : enumerateUsbPrinters()) {
        std::string_view id = printer.hardwareId;
        if (id.substr(0, kHardwarePrefix.size()) == kHardwarePrefix) {
            id.remove_prefix(kHardwarePrefix.size());
        }
        putText(buffer, id);
        return kOk;
    }
    return kUsbNotFound;
}

COBRIX_API int TSPL_GetSN(PrinterHandle handle, char* buffer) {
    if (buffer == nullptr) {
        return kBadParameter;
    }
    putText(buffer, {});
    if (liveHandle(handle) == nullptr) {
        return kBadHandle;
    }
    const auto* request = reinterpret_cast<const unsigned char*>(kSerialNumberRequest.data());
    if (const int r = api::writeData(handle, request, static_cast<int>(kSerialNumberRequest.size()));
        r != kOk) {
        return r;
    }
    std::array<unsigned char, kTextSize> reply{};
    int count = 0;
    if (const int r = api::readDataEof(handle, reply.data(), 0, static_cast<int>(reply.size()), 0, 0, &count);
        r != kOk) {
        return r;
    }
    // The reply ends with its zero byte; what stands before it is the number.
    std::string_view text(reinterpret_cast<const char*>(reply.data()),
                          static_cast<size_t>(count > 0 ? count - 1 : 0));
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    putText(buffer, text);
    return kOk;
}

} // extern "C"
