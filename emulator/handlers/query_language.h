#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// 1B 1B 08: answers the one byte of the command language the printer
// speaks now (0 ESC, 1 TSPL, 2 STAR, 3 CPCL, 4 ZPL, 5 EPL).
class QueryLanguageHandler : public Handler {
  public:
    std::string_view name() const override { return "query_language"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
