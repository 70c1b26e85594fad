#include "reference_graphics.h"

#include <bit>

namespace cpcltest {
namespace {

int greyOf(const Colour& c) {
    // Transparent pixels are paper.
    const Colour seen = c.alpha == 0 ? Colour{255, 255, 255} : c;
    return static_cast<int>(seen.red * 0.29891 + seen.green * 0.58661 + seen.blue * 0.11448);
}

} // namespace

std::vector<uint8_t> ditheredBitmap(const Picture& picture) {
    const int w = picture.width;
    const int h = picture.height;
    std::vector<int> work(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            work[static_cast<size_t>(y) * w + x] = greyOf(picture.at(x, y));
        }
    }
    const auto at = [&](int x, int y) -> int& { return work[static_cast<size_t>(y) * w + x]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int value = at(x, y);
            int error = 0;
            if (value <= 128) {
                at(x, y) = 0;
                error = value;
            } else {
                at(x, y) = 255;
                error = value - 255;
            }
            if (x + 1 < w) {
                at(x + 1, y) += static_cast<int>(error * 0.4375);
            }
            if (y + 1 < h && x > 0) {
                at(x - 1, y + 1) += static_cast<int>(error * 0.1875);
            }
            if (y + 1 < h) {
                at(x, y + 1) += static_cast<int>(error * 0.3125);
            }
            if (y + 1 < h && x + 1 < w) {
                at(x + 1, y + 1) += static_cast<int>(error * 0.0625);
            }
        }
    }
    const int rowBytes = (w + 7) / 8;
    std::vector<uint8_t> bitmap(static_cast<size_t>(rowBytes) * h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (at(x, y) <= 128) {
                bitmap[static_cast<size_t>(y) * rowBytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return bitmap;
}

std::vector<uint8_t> oneBitBitmap(const IndexedPicture& picture) {
    const bool invert = picture.palette.size() > 1 && picture.palette[1].blue == 255;
    const int rowBytes = (picture.width + 7) / 8;
    std::vector<uint8_t> bitmap(static_cast<size_t>(rowBytes) * picture.height, 0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool bit = (picture.indices[static_cast<size_t>(y) * picture.width + x] & 1) != 0;
            if (bit != invert) {
                bitmap[static_cast<size_t>(y) * rowBytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return bitmap;
}

size_t blackDots(const std::vector<uint8_t>& bitmap) {
    size_t count = 0;
    for (const uint8_t byte : bitmap) {
        count += static_cast<size_t>(std::popcount(byte));
    }
    return count;
}

} // namespace cpcltest
