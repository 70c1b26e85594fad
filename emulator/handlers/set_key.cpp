#include "emulator/handlers/set_key.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {

Scan SetKeyHandler::scan(ByteView pending) const {
    return scanPrivateKeyFrame(pending, "setkey", true);
}

void SetKeyHandler::handle(ByteView frame, Exchange& exchange) {
    const NumberedKey key{frame[kKeyHeaderSize], readWordLe(frame, kKeyHeaderSize + 1)};
    const ByteView value = frame.subspan(kKeyHeaderSize + 4);
    exchange.describe("setkey", key.text(), hexText(value));
    const bool known = exchange.printer().numberedKey(key).has_value();
    exchange.addNote(known ? "stored" : "stored as a new key");
    if (!known) {
        exchange.markUnknown();
    }
    exchange.printer().setNumberedKey(key, Bytes(value.begin(), value.end()));
}

} // namespace emulator
