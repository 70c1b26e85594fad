#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// CPCL page-language commands ("! 0 200 200 210 1", "TEXT ...",
// "COMPRESSED-GRAPHICS ...", "PRINT"), as the CPCL recogniser reads them:
// each is recorded as "cpcl" with its command word; a graphics command
// notes its decoded size. No reply. Registered for CPCL printers.
class CpclCommandHandler : public Handler {
  public:
    std::string_view name() const override { return "cpcl"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
