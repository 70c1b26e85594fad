// Decoding a CPCL compressed-graphics command into its bitmap: rows of
// width-in-bytes bytes, top row first, leftmost dot in bit 7, a set bit
// black.
#pragma once

#include "emulator/cpcl/cpcl_frame.h"

#include <optional>
#include <vector>

namespace emulator::cpcl {

struct GraphicsHeader {
    bool vertical = false;
    int widthBytes = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    size_t length = 0; // bytes of the header text, up to and including the space before the bitmap
};

// Reads "COMPRESSED-GRAPHICS w h x y " (or "VCOMPRESSED-GRAPHICS ...") at the
// head of `bytes`. NeedMore while the header is incomplete; NoMatch when it
// is malformed or announces more than kMaxGraphicsBytes; Complete with the
// whole command's length (header and bitmap) once the header is whole (the
// bitmap bytes may not have arrived yet).
FrameScan scanGraphicsHeader(ByteSpan bytes, GraphicsHeader& header);

struct Graphic {
    GraphicsHeader header;
    std::vector<uint8_t> bitmap; // widthBytes x height bytes

    int widthDots() const { return header.widthBytes * 8; }
    // Whether the dot at (column, row) of the graphic prints black.
    bool black(int column, int row) const;
    // One value per dot, row by row: 1 black, 0 white.
    std::vector<uint8_t> dots() const;
};

// Decodes one complete graphics command; nullopt when `frame` is not one.
std::optional<Graphic> decodeGraphics(ByteSpan frame);

} // namespace emulator::cpcl
