// Images as the loaders hand them to the conversion, the 1-bit bitmap that
// the conversion produces, and the limits every loader enforces before it
// takes memory for pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cobrix::cpcl {

// "Image size out of range": more pixels than the loaders accept.
inline constexpr int kImageTooLarge = -25;

// A graphics row holds at most 999 bytes, so images up to 7992 dots wide.
inline constexpr int kMaxWidthBytes = 999;
inline constexpr int64_t kMaxImageWidth = int64_t{kMaxWidthBytes} * 8;
// Pixel cap for images of any format: 32 Mi pixels (for example 7992 x 4198
// or 2000 x 16777 dots). It bounds the decoder's memory to a few hundred MiB
// whatever an image file declares.
inline constexpr int64_t kMaxImagePixels = int64_t{32} << 20;
// Largest image file read.
inline constexpr size_t kMaxImageFileBytes = size_t{256} << 20;

struct LoadedImage {
    int width = 0;
    int height = 0;
    // 1 bit per pixel with a palette: `pixels` holds the rows as stored, (width
    // + 7) / 8 bytes each, top row first, leftmost pixel in bit 7, a bit being
    // the palette index. `entry1Blue` is the blue component of palette entry 1.
    bool oneBit = false;
    uint8_t entry1Blue = 0;
    // Any other image: one grey value per pixel, top row first.
    std::vector<uint8_t> pixels;
};

// 1-bit bitmap: rows of widthBytes bytes, top row first, leftmost pixel in
// bit 7, a set bit printing black.
struct Bitmap {
    int widthBytes = 0;
    int height = 0;
    std::vector<uint8_t> bytes;
};

inline int rowBytesOf(int width) {
    return (width + 7) / 8;
}

// Checks the size an image file declares before any pixel memory is taken:
// 0; -21 for an empty image; -1 wider than 7992 dots; -25 over the pixel cap.
int checkImageSize(int64_t width, int64_t height);

// Sizes `image` for its pixels: 0 or -9.
int allocatePixels(LoadedImage& image, int width, int height, bool oneBit);

} // namespace cobrix::cpcl
