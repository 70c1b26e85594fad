#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// "ZZZCR" LF (TSPL) or 12 62 (other languages): answers the 256-byte
// parameter block.
class BlockReadHandler : public Handler {
  public:
    std::string_view name() const override { return "block_read"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
