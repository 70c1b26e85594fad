#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// "ZZZGETJOURNEY" CR LF: the journey counter, 4 bytes, a signed 32-bit
// number with the most significant byte first.
class JourneyHandler : public Handler {
  public:
    std::string_view name() const override { return "get_journey"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
