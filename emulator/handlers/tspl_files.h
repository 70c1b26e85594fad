#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// The TSPL file commands of a printer that stores files itself:
//   DOWNLOAD E,"NAME" CR LF data CR LF EOP CR LF   a program (template)
//   DOWNLOAD E,"NAME",SIZE,data                      SIZE bytes (an image)
//   ~!F CR LF      the flash file names, each followed by CR, then CR LF
//   KILL E,"NAME"  deletes a file (no reply)
//   RUN "NAME"     runs a program (recorded, no reply)
// Files are kept in flash with the kind "direct". A DOWNLOAD without a
// quoted name (or with a size that is no number) is refused: nothing is
// stored, and the bytes that follow it until the input goes quiet are
// taken as its unusable data.
class TsplFileHandler : public Handler {
  public:
    std::string_view name() const override { return "tspl_file"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

// ZPL graphics: "~DGE:NAME,TOTAL,ROW," then TOTAL bytes as hexadecimal
// pairs each followed by a space (stored as an image in flash, kind
// "bitmaps"), and a label "^XA...^XGE:NAME^FS^XZ" (a line end after it
// optional) that prints one (recorded as "zpl_print" with the whole label,
// note "printed" or "no such image").
class ZplGraphicHandler : public Handler {
  public:
    std::string_view name() const override { return "zpl_graphic"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
