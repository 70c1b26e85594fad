#include "emulator/handlers/get_value.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {
constexpr std::string_view kVerb = "getval ";
}

Scan GetValueHandler::scan(ByteView pending) const {
    return scanPrivateLine(pending, kVerb);
}

void GetValueHandler::handle(ByteView frame, Exchange& exchange) {
    const KeyAndRest parts = splitKey(privateLineText(frame, kVerb));
    exchange.describe("getval", parts.key);
    const std::optional<std::string> value = exchange.printer().value(parts.key);
    Bytes reply = bytesOf(value.value_or(std::string()));
    reply.push_back(0);
    exchange.reply(std::move(reply));
    exchange.addNote(value ? "known key" : "unknown key");
    if (!value) {
        exchange.markUnknown();
    }
}

} // namespace emulator
