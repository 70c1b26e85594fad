#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix "setkey" CR LF, group, id (low first), length, value bytes:
// stores the bytes under the numbered key. No reply.
class SetKeyHandler : public Handler {
  public:
    std::string_view name() const override { return "setkey"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
