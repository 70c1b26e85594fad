// The expected printer bitmaps, computed the plain way: a grey value per
// pixel from double-precision weights, a work array of the whole image, and
// each error share multiplied in double precision and truncated.
#pragma once

#include "image_writers.h"

#include <cstdint>
#include <vector>

namespace cpcltest {

// Rows of (width + 7) / 8 bytes, a set bit black.
std::vector<uint8_t> ditheredBitmap(const Picture& picture);

// A 1-bit palette picture as the printer gets it: the index bits, inverted
// when palette entry 1 has a blue component of 255, spare bits cleared.
std::vector<uint8_t> oneBitBitmap(const IndexedPicture& picture);

// Number of set bits.
size_t blackDots(const std::vector<uint8_t>& bitmap);

} // namespace cpcltest
