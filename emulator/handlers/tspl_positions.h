#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// The file commands of a TSPL printer by storage position: the internal
// memory (N, the flash files of kind "direct") and the memory card (F, kind
// "card"). Each command ends with CR LF.
//   ZZZFILES N / ZZZFILES F   the position's names separated by ",", then CR
//   ZZZFILESSIZE              16 bytes: the card's total and free bytes, then
//                             the internal memory's (32-bit little-endian)
//   KILL "NAME" / KILL F,"NAME"   deletes a file; the name * empties the position
// No reply to KILL.
class TsplPositionHandler : public Handler {
  public:
    std::string_view name() const override { return "tspl_position"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
