#include "emulator/handlers/unknown_private.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {

Scan UnknownPrivateHandler::scan(ByteView pending) const {
    return scanPrivateLine(pending, "");
}

void UnknownPrivateHandler::handle(ByteView frame, Exchange& exchange) {
    const std::string line = privateLineText(frame, "");
    exchange.describe("private", line.substr(0, line.find(' ')), line);
    exchange.addNote("unknown verb");
    exchange.markUnknown();
}

} // namespace emulator
