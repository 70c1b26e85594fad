#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// The fixed commands of the main window, recognised and recorded:
// self test ("SELFTEST", 1D 28 41 02 00 00 01/02), label learning
// ("ZZZLEARN"), front sensor learning ("ZZZFRONT"), print-head tests
// ("ZZZDENSITYTST", 12 56, 1B 1B 04), factory reset (1B 1B 20, 1B 21 52,
// which restore the profile's settings) and firmware update mode
// ("ZZZDFUMODE", 1D 75 55 AA). Text commands end in CR LF or LF. No reply.
class PlainCommandHandler : public Handler {
  public:
    std::string_view name() const override { return "plain"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
