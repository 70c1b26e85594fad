#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// "ZZZCW " (TSPL) or 12 63 (other languages), then (possibly after a
// pause) the 256-byte block: stored only when its marker and sum are right;
// otherwise the printer keeps its block. No reply.
class BlockWriteHandler : public Handler {
  public:
    std::string_view name() const override { return "block_write"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
