// Image files for the CPCL graphics tests, written with the same libraries
// (and a small BMP writer) that other programs use to make them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cpcltest {

struct Colour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 255;
};

// A true-colour picture, row by row, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;

    Picture(int w, int h, Colour fill = {}) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    Colour& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Colour& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A palette picture: one palette index per pixel.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;
    std::vector<Colour> palette;

    IndexedPicture(int w, int h, std::vector<Colour> colours)
        : width(w), height(h), indices(static_cast<size_t>(w) * h, 0), palette(std::move(colours)) {}
    uint8_t& at(int x, int y) { return indices[static_cast<size_t>(y) * width + x]; }
    // The picture in true colour, palette entries looked up.
    Picture toPicture() const;
};

// BMP: 24 or 32 bits (32: blue, green, red, unused), or 16 bits (5-5-5).
std::vector<uint8_t> bmpBytes(const Picture& picture, int bitsPerPixel, bool topDown = false);
// BMP with a palette of 1, 4 or 8 bits per pixel; all palette entries are written and declared.
std::vector<uint8_t> indexedBmpBytes(const IndexedPicture& picture, int bitsPerPixel, bool topDown = false);

struct PngOptions {
    bool alpha = false;
    bool interlaced = false;
    bool grey = false;
};
std::vector<uint8_t> pngBytes(const Picture& picture, PngOptions options = {});
// A palette PNG of the given bit depth (1, 2, 4 or 8).
std::vector<uint8_t> indexedPngBytes(const IndexedPicture& picture, int bitDepth);
// A 1-bit grey PNG: index 0 black, 1 white.
std::vector<uint8_t> greyOneBitPngBytes(const IndexedPicture& picture);

std::vector<uint8_t> jpegBytes(const Picture& picture, bool grey, int quality = 95);
// What libjpeg decodes a JPEG file to (RGB, or grey repeated in all three).
Picture decodeJpeg(const std::vector<uint8_t>& file);

// A GIF of the picture's palette (at most 256 entries); transparent < 0: none.
std::vector<uint8_t> gifBytes(const IndexedPicture& picture, int transparent = -1, bool interlaced = false);

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace cpcltest
