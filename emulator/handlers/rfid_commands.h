#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// The RFID module: `do "rfid_print"` makes the next label's tag ready;
// `setval "rfid_wr"` then reads ("r,h,2,1,N": the first N bytes as
// hexadecimal text), writes ("w,h,2,1,HEX": "ok", 0, "ok", 0) or writes and
// reads back ("s,h,2,1,N,HEX") the tag memory kept in the value "rfid_tag";
// `setval "rfid_power_level"` and `"rfid_rssi_level"` store the level and
// answer "ok". The value "rfid_answer" makes the module refuse: "error"
// answers "error", "ng" answers "NG" and a zero byte (twice for a write).
class RfidCommandHandler : public Handler {
  public:
    std::string_view name() const override { return "rfid"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
