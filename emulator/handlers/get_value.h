#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix "getval " "key" CR LF: answers the key's value text and one zero
// byte; an unknown key answers the zero byte alone.
class GetValueHandler : public Handler {
  public:
    std::string_view name() const override { return "getval"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
