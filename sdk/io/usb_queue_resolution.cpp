#include "usb_queue_resolution.h"

#include "result_codes.h"
#include "system_error.h"
#include "usb_matching.h"

#include <algorithm>
#include <cctype>

namespace cobrix {
namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Undoes %XX escapes; a "%" without two hexadecimal digits stays as it is.
std::string percentDecoded(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Reads the "key=value&key=value" query of a usb URI into the key.
void readQuery(const std::string& query, QueuePrinterKey& key) {
    size_t start = 0;
    while (start <= query.size()) {
        const size_t end = std::min(query.find('&', start), query.size());
        const std::string pair = query.substr(start, end - start);
        const size_t equals = pair.find('=');
        if (equals != std::string::npos) {
            const std::string name = lowerCase(pair.substr(0, equals));
            const std::string value = percentDecoded(pair.substr(equals + 1));
            if (name == "serial") {
                key.serial = value;
            } else if (name == "location") {
                key.location = value;
            }
        }
        start = end + 1;
    }
}

bool fits(const UsbPrinterInfo& printer, const QueuePrinterKey& key) {
    if (key.serial.empty() && key.location.empty() && key.node.empty()) {
        return false;
    }
    return (key.serial.empty() || printer.serial == key.serial) &&
           (key.location.empty() || printer.location == key.location) &&
           (key.node.empty() || printer.node == key.node);
}

} // namespace

QueuePrinterKey queuePrinterKey(const std::string& deviceUri) {
    QueuePrinterKey key;
    key.empty = deviceUri.empty();
    const size_t colon = deviceUri.find(':');
    if (colon == std::string::npos || lowerCase(deviceUri.substr(0, colon)) != "usb") {
        return key;
    }
    const std::string rest = deviceUri.substr(colon + 1);
    const size_t question = rest.find('?');
    const std::string path = rest.substr(0, question);
    if (question != std::string::npos) {
        readQuery(rest.substr(question + 1), key);
    }
    // usb:/dev/usb/lpN names the node directly.
    if (path.rfind("/dev/", 0) == 0) {
        key.node = path.substr(path.find_last_of('/') + 1);
    }
    return key;
}

int resolveQueueLocation(const std::string& deviceUri, const std::vector<UsbPrinterInfo>& printers,
                         std::string& location) {
    location.clear();
    const QueuePrinterKey key = queuePrinterKey(deviceUri);
    int result = kUnknownModel;
    for (const UsbPrinterInfo& printer : printers) {
        if (!isSupportedUsbPrinter(printer.hardwareId)) {
            continue;
        }
        if (key.empty) {
            return kBadParameter;
        }
        if (fits(printer, key)) {
            if (printer.location.empty()) {
                return kErrReadFault; // the printer is there, but where it is attached cannot be read
            }
            location = printer.location;
            return kOk;
        }
        result = kNotTargetPrinter;
    }
    return result;
}

} // namespace cobrix
