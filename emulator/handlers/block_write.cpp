#include "emulator/handlers/block_write.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <algorithm>

namespace emulator {
namespace {
const Bytes kBinaryRequest = {0x12, 0x63};
const Bytes kTextRequest = bytesOf("ZZZCW ");
} // namespace

Scan BlockWriteHandler::scan(ByteView pending) const {
    for (const Bytes& request : {kBinaryRequest, kTextRequest}) {
        const Scan head = scanLiteral(pending, request);
        if (head.verdict == Scan::Verdict::NeedMore) {
            return head;
        }
        if (head.verdict == Scan::Verdict::Complete) {
            const size_t length = request.size() + kBlockSize;
            return pending.size() >= length ? Scan::complete(length) : Scan::needMore();
        }
    }
    return Scan::noMatch();
}

void BlockWriteHandler::handle(ByteView frame, Exchange& exchange) {
    const bool binary = frame[0] == 0x12;
    const ByteView block = frame.subspan(binary ? kBinaryRequest.size() : kTextRequest.size());
    exchange.describe("block_write", binary ? "12 63" : "ZZZCW");
    const std::string fault = blockFault(block);
    if (!fault.empty()) {
        exchange.addNote("refused: " + fault);
        return;
    }
    ConfigBlock stored{};
    std::copy(block.begin(), block.end(), stored.begin());
    exchange.printer().setBlock(stored);
    exchange.addNote("stored");
}

} // namespace emulator
