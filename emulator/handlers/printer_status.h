#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix getval "printer_status" CR LF: the 20-byte status block, exactly
// 20 bytes without a closing zero byte. Recorded as getval
// "printer_status", so the getval fault rules apply to it.
class PrinterStatusHandler : public Handler {
  public:
    std::string_view name() const override { return "getval"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
