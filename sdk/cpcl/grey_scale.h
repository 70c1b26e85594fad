// Colour to grey: the weights the printer graphics are computed with, and
// transparency laid over white paper.
#pragma once

#include <array>
#include <cstdint>

namespace cobrix::cpcl {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Integer part of red x 0.29891 + green x 0.58661 + blue x 0.11448, computed
// in double precision in exactly that order (white gives 254, not 255).
uint8_t greyOf(uint8_t red, uint8_t green, uint8_t blue);

// Byte layout of one pixel in a decoded row.
struct PixelLayout {
    int bytes; // bytes per pixel
    int red;   // offsets within the pixel
    int green;
    int blue;
    int alpha; // -1: opaque
};

// Converts `count` pixels of a decoded row to grey values; pixels with an
// alpha byte are laid over white first.
void greyRow(const uint8_t* row, int count, const PixelLayout& layout, uint8_t* grey);

// A colour component of coverage `alpha` laid over white paper.
inline uint8_t overWhite(uint8_t component, uint8_t alpha) {
    return static_cast<uint8_t>((component * alpha + 255 * (255 - alpha) + 127) / 255);
}

// The grey value of each palette entry; entries not given are black.
using GreyPalette = std::array<uint8_t, 256>;

} // namespace cobrix::cpcl
