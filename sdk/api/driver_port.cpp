#include "code_page.h"
#include "printer_api.h"
#include "printer_handle.h"
#include "result_codes.h"
#include "uri.h"
#include "usb_enumeration.h"
#include "usb_queue_lookup.h"
#include "usb_queue_resolution.h"

#include <string>

namespace cobrix::api {
namespace {

// Longest UTF-16 text scanned for its terminator.
constexpr size_t kMaxScannedUnits = 4096;

// Queue names reach the scheduler as UTF-8; unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(const char16_t* text) {
    std::string out;
    for (size_t i = 0; text[i] != 0 && i < kMaxScannedUnits; ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

// Opens the USB printer behind a printer queue: the scheduler gives the
// queue's device URI, the URI names an attached printer, and that printer is
// opened by its location as an address would open it.
int driverPortOpen(PrinterHandle handle, const char16_t* queue) {
    std::string name;
    if (!utf16ToAnsi(queue, kMaxScannedUnits, name) || name.size() > kMaxQueueName) {
        return kBadParameter;
    }
    if (liveHandle(handle) == nullptr) {
        return kBadHandle;
    }
    std::string deviceUri;
    if (const int r = lookUpQueueDeviceUri(utf16ToUtf8(queue), deviceUri); r != kOk) {
        return r;
    }
    std::vector<UsbPrinterInfo> printers;
    if (const int r = listUsbPrinters(printers); r != kOk) {
        return r;
    }
    std::string location;
    if (const int r = resolveQueueLocation(deviceUri, printers, location); r != kOk) {
        return r;
    }
    // A bus path such as 1-1.4 would read as a device name in the comma form,
    // so the location goes into a canonical address.
    const char* keys[] = {"location"};
    const char* values[] = {location.c_str()};
    char address[uri::kMaxTextLength + 1];
    if (uri::build(address, sizeof(address), "USB", nullptr, keys, values, 1) != kOk) {
        return kIoInvalidSetting;
    }
    return portOpenNarrow(handle, address);
}

} // namespace cobrix::api
