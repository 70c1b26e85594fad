#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// "ZZZGETVERSION" CR LF: answers the profile's version bytes.
class GetVersionHandler : public Handler {
  public:
    std::string_view name() const override { return "get_version"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
