#include "emulator/handlers/block_read.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

namespace emulator {
namespace {
const Bytes kBinaryRequest = {0x12, 0x62};
}

Scan BlockReadHandler::scan(ByteView pending) const {
    const Scan binary = scanLiteral(pending, kBinaryRequest);
    return binary.verdict != Scan::Verdict::NoMatch ? binary : scanTextCommand(pending, "ZZZCR");
}

void BlockReadHandler::handle(ByteView frame, Exchange& exchange) {
    exchange.describe("block_read", frame[0] == 0x12 ? "12 62" : "ZZZCR");
    const ConfigBlock& block = exchange.printer().block();
    exchange.replyWithSum(Bytes(block.begin(), block.end()), kBlockSumOffset);
}

} // namespace emulator
