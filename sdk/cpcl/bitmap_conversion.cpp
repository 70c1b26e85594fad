#include "bitmap_conversion.h"

#include "result_codes.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace cobrix::cpcl {
namespace {

constexpr int kBlackThreshold = 128; // a value at most this prints black

void copyOneBit(const LoadedImage& image, Bitmap& bitmap) {
    std::memcpy(bitmap.bytes.data(), image.pixels.data(), bitmap.bytes.size());
    if (image.entry1Blue == 255) {
        for (uint8_t& byte : bitmap.bytes) {
            byte = static_cast<uint8_t>(~byte);
        }
    }
    const int spareBits = bitmap.widthBytes * 8 - image.width;
    if (spareBits == 0) {
        return;
    }
    const auto keep = static_cast<uint8_t>(0xFF << spareBits);
    const auto rowBytes = static_cast<size_t>(bitmap.widthBytes);
    for (size_t end = rowBytes; end <= bitmap.bytes.size(); end += rowBytes) {
        bitmap.bytes[end - 1] &= keep;
    }
}

// Floyd-Steinberg over the grey values, two rows at a time. Each share of
// the error is truncated toward zero (C++ integer division), and values are
// never clamped. Both row arrays carry one spare cell at each end that takes
// the shares which fall outside the image.
void diffuse(const LoadedImage& image, Bitmap& bitmap, std::vector<int32_t>& current,
             std::vector<int32_t>& below) {
    const int width = image.width;
    const uint8_t* grey = image.pixels.data();
    std::copy(grey, grey + width, current.begin() + 1);
    uint8_t* out = bitmap.bytes.data();
    for (int y = 0; y < image.height; ++y) {
        if (y + 1 < image.height) {
            const uint8_t* next = grey + static_cast<size_t>(y + 1) * static_cast<size_t>(width);
            std::copy(next, next + width, below.begin() + 1);
        }
        int32_t* cur = current.data() + 1;
        int32_t* low = below.data() + 1;
        uint8_t* rowOut = out + static_cast<size_t>(y) * static_cast<size_t>(bitmap.widthBytes);
        unsigned packed = 0;
        int x = 0;
        for (; x < width; ++x) {
            const int32_t value = cur[x];
            const bool black = value <= kBlackThreshold;
            const int32_t error = black ? value : value - 255;
            cur[x + 1] += error * 7 / 16;
            low[x - 1] += error * 3 / 16;
            low[x] += error * 5 / 16;
            low[x + 1] += error / 16;
            packed = (packed << 1) | static_cast<unsigned>(black);
            if ((x & 7) == 7) {
                rowOut[x >> 3] = static_cast<uint8_t>(packed);
                packed = 0;
            }
        }
        if ((x & 7) != 0) {
            rowOut[x >> 3] = static_cast<uint8_t>(packed << (8 - (x & 7)));
        }
        current.swap(below);
    }
}

} // namespace

int convertToBitmap(const LoadedImage& image, Bitmap& bitmap) {
    bitmap = Bitmap{};
    const int widthBytes = rowBytesOf(image.width);
    if (widthBytes > kMaxWidthBytes) {
        return kBadParameter;
    }
    const size_t pixelBytes =
        image.oneBit ? static_cast<size_t>(widthBytes) : static_cast<size_t>(image.width);
    if (image.width < 0 || image.height < 0 ||
        image.pixels.size() != pixelBytes * static_cast<size_t>(image.height)) {
        return kBadParameter;
    }
    try {
        bitmap.bytes.assign(static_cast<size_t>(widthBytes) * static_cast<size_t>(image.height), 0);
        bitmap.widthBytes = widthBytes;
        bitmap.height = image.height;
        if (image.oneBit) {
            copyOneBit(image, bitmap);
        } else if (image.width > 0) {
            std::vector<int32_t> current(static_cast<size_t>(image.width) + 2, 0);
            std::vector<int32_t> below(static_cast<size_t>(image.width) + 2, 0);
            diffuse(image, bitmap, current, below);
        }
    } catch (const std::bad_alloc&) {
        bitmap = Bitmap{};
        return kNoMemory;
    }
    return kOk;
}

} // namespace cobrix::cpcl
