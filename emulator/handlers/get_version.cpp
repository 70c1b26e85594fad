#include "emulator/handlers/get_version.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {

Scan GetVersionHandler::scan(ByteView pending) const {
    return scanTextCommand(pending, "ZZZGETVERSION");
}

void GetVersionHandler::handle(ByteView, Exchange& exchange) {
    exchange.reply(exchange.printer().profile().version);
}

} // namespace emulator
