#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// A private frame with a verb no other handler knows (prefix, a line, a
// line end): recorded as "private" with note "unknown verb". No reply.
class UnknownPrivateHandler : public Handler {
  public:
    std::string_view name() const override { return "private"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
