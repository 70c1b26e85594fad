#include "emulator/handlers/set_value.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <cctype>
#include <optional>
#include <string_view>

namespace emulator {
namespace {
constexpr std::string_view kVerb = "setval ";
constexpr size_t kNameSuffix = 5; // "-" and four characters

// The "-XXXX" the printer puts after its Bluetooth name; empty when the
// name it has carries none.
std::string nameSuffix(const std::optional<std::string>& name) {
    if (!name || name->size() < kNameSuffix + 1 || (*name)[name->size() - kNameSuffix] != '-') {
        return {};
    }
    return name->substr(name->size() - kNameSuffix);
}

bool isAddressKey(const std::string& key) {
    for (const char* name : {"eth_ip", "eth_mask", "eth_gateway", "wlan_ip", "wlan_mask", "wlan_gateway",
                             "wifi_ip", "wifi_sta_ip", "wifi_ap_ip"}) {
        if (key == name) {
            return true;
        }
    }
    return false;
}

// Four numbers 0 to 255 joined by ".".
bool isDottedAddress(std::string_view text) {
    int parts = 0;
    while (true) {
        size_t digits = 0;
        int number = 0;
        while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])) && digits < 3) {
            number = number * 10 + (text[digits] - '0');
            ++digits;
        }
        if (digits == 0 || number > 255) {
            return false;
        }
        ++parts;
        text.remove_prefix(digits);
        if (text.empty()) {
            return parts == 4;
        }
        if (text.front() != '.' || parts == 4) {
            return false;
        }
        text.remove_prefix(1);
    }
}

} // namespace

Scan SetValueHandler::scan(ByteView pending) const {
    return scanPrivateLine(pending, kVerb);
}

void SetValueHandler::handle(ByteView frame, Exchange& exchange) {
    const KeyAndRest parts = splitKey(privateLineText(frame, kVerb));
    std::string value = unquoteValue(parts.rest);
    exchange.describe("setval", parts.key, value);
    if (!isStorableKeyName(parts.key)) {
        exchange.addNote("not stored: not a key name");
    } else if (value.size() > kMaxValueText) {
        exchange.addNote("not stored: value longer than " + std::to_string(kMaxValueText) + " characters");
    } else {
        const std::optional<std::string> stored = exchange.printer().value(parts.key);
        const bool known = stored.has_value();
        // The printer keeps its own "-XXXX" after a Bluetooth name it is given,
        // and takes an address written with a "." after its fourth number.
        if (parts.key == "bt_name") {
            const std::string suffix = nameSuffix(stored);
            if (!suffix.empty() && !value.empty() &&
                (value.size() < suffix.size() ||
                 value.compare(value.size() - suffix.size(), suffix.size(), suffix) != 0)) {
                value += suffix;
                exchange.addNote("its name suffix kept");
            }
        } else if (isAddressKey(parts.key) && value.size() > 1 && value.back() == '.' &&
                   isDottedAddress(std::string_view(value).substr(0, value.size() - 1))) {
            value.pop_back();
            exchange.addNote("address taken without its last \".\"");
        }
        exchange.addNote(known ? "stored" : "stored as a new key");
        if (!known) {
            exchange.markUnknown();
        }
        exchange.printer().setValue(parts.key, std::move(value));
    }
}

} // namespace emulator
