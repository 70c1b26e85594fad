#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix "setval " "key" "value" CR LF: stores the value under the key.
// No reply.
class SetValueHandler : public Handler {
  public:
    std::string_view name() const override { return "setval"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
