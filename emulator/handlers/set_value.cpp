#include "emulator/handlers/set_value.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {
constexpr std::string_view kVerb = "setval ";
}

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
        exchange.addNote(exchange.printer().value(parts.key) ? "stored" : "stored as a new key");
        exchange.printer().setValue(parts.key, std::move(value));
    }
}

} // namespace emulator
