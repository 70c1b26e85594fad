#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix "do " "key" [arguments] CR LF: an action. No reply. "save_param"
// writes the state file, "factory_default" restores the profile's
// settings, "reset_printer" drops the connection like a restarting
// printer; every other action is recorded.
class DoActionHandler : public Handler {
  public:
    std::string_view name() const override { return "do"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
