#include "emulator/handlers/query_language.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {
const Bytes kRequest = {0x1B, 0x1B, 0x08};
}

Scan QueryLanguageHandler::scan(ByteView pending) const {
    return scanLiteral(pending, kRequest);
}

void QueryLanguageHandler::handle(ByteView, Exchange& exchange) {
    exchange.reply({exchange.printer().profile().language});
}

} // namespace emulator
