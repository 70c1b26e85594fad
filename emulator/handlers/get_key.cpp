#include "emulator/handlers/get_key.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>

namespace emulator {

Scan GetKeyHandler::scan(ByteView pending) const {
    return scanPrivateKeyFrame(pending, "getkey", false);
}

void GetKeyHandler::handle(ByteView frame, Exchange& exchange) {
    const NumberedKey key{frame[kKeyHeaderSize], readWordLe(frame, kKeyHeaderSize + 1)};
    const size_t length = frame[kKeyHeaderSize + 3];
    exchange.describe("getkey", key.text(), std::to_string(length) + " bytes asked");
    const std::optional<Bytes> stored = exchange.printer().numberedKey(key);
    Bytes reply(length, 0);
    if (stored) {
        std::copy_n(stored->begin(), std::min(length, stored->size()), reply.begin());
    }
    exchange.reply(std::move(reply));
    exchange.addNote(stored ? "known key" : "unknown key");
    if (!stored) {
        exchange.markUnknown();
    }
}

} // namespace emulator
