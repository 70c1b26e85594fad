#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// prefix "getkey" CR LF, group, id (low first), length: answers exactly
// `length` bytes: the key's bytes, cut or padded with zero bytes (a text key
// is stored with its zero byte). An unknown key answers zero bytes.
class GetKeyHandler : public Handler {
  public:
    std::string_view name() const override { return "getkey"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
