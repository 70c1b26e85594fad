#include "emulator/handlers/journey.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {

Scan JourneyHandler::scan(ByteView pending) const {
    return scanTextCommand(pending, "ZZZGETJOURNEY");
}

void JourneyHandler::handle(ByteView, Exchange& exchange) {
    const auto value = static_cast<uint32_t>(exchange.printer().diagnostics().journey);
    exchange.reply({static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                    static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

} // namespace emulator
