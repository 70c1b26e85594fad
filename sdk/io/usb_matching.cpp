#include "usb_matching.h"

#include "result_codes.h"

#include <algorithm>
#include <cctype>

namespace cobrix {
namespace {

// Identifier texts of the supported printers, in the order they are tried.
// "VID_2AAF&PID_" takes any product of that vendor.
constexpr const char* kSupported[] = {
    "VID_20D1&PID_0700", "VID_20D1&PID_7009", "VID_20D1&PID_7008", "VID_20D1&PID_7007",
    "VID_4348&PID_5584", "VID_04B8&PID_0202", "VID_04B8&PID_0E12", "VID_067E&PID_000D",
    "VID_2AAF&PID_",     "VID_076C&PID_0619", "VID_0AAF&PID_106B", "VID_413C&PID_301A",
};

constexpr char kSpecial[] = "VID_0FE6&PID_811E";

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

bool isSupportedUsbPrinter(const std::string& hardwareId) {
    const std::string id = upper(hardwareId);
    return std::any_of(std::begin(kSupported), std::end(kSupported),
                       [&](const char* supported) { return contains(id, supported); });
}

bool isSpecialUsbDevice(const std::string& hardwareId) {
    return contains(upper(hardwareId), kSpecial);
}

UsbSearchResult searchUsbPrinter(const std::vector<UsbPrinterInfo>& printers, const UsbSearch& search) {
    for (const UsbPrinterInfo& printer : printers) {
        bool special = false;
        if (isSupportedUsbPrinter(printer.hardwareId)) {
            // The printer's own location is upper-cased, the wanted one is taken as given.
            if (!search.anyDevice && !search.location.empty() && upper(printer.location) != search.location) {
                continue;
            }
        } else if (isSpecialUsbDevice(printer.hardwareId)) {
            special = true; // taken wherever it is attached
        } else {
            continue;
        }
        if (!search.nameFilter.empty() && !contains(printer.node, search.nameFilter) &&
            !contains(printer.serial, search.nameFilter)) {
            continue;
        }
        return {kOk, printer, special};
    }
    return {kUsbNotFound, {}, false};
}

} // namespace cobrix
