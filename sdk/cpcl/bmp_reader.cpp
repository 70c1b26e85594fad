// Windows bitmap files: core, version 3, 4 and 5 headers; 1, 4, 8, 16, 24
// and 32 bits per pixel, uncompressed or with bit-field masks; bottom-up or
// top-down rows. Run-length and embedded JPEG/PNG bitmaps are refused.
#include "grey_scale.h"
#include "image_readers.h"
#include "result_codes.h"

#include <algorithm>
#include <bit>
#include <new>

namespace cobrix::cpcl {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kLargestHeaderSize = 124;

enum Compression : uint32_t { kRgb = 0, kBitFields = 3, kAlphaBitFields = 6 };

uint16_t le16(std::span<const uint8_t> d, size_t at) {
    return static_cast<uint16_t>(d[at] | d[at + 1] << 8);
}

uint32_t le32(std::span<const uint8_t> d, size_t at) {
    return static_cast<uint32_t>(d[at]) | static_cast<uint32_t>(d[at + 1]) << 8 |
           static_cast<uint32_t>(d[at + 2]) << 16 | static_cast<uint32_t>(d[at + 3]) << 24;
}

// One colour channel described by a bit mask.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t top = 0; // the channel's largest value

    explicit Channel(uint32_t m = 0) : mask(m) {
        if (m != 0) {
            shift = std::countr_zero(m);
            top = m >> shift;
        }
    }
    uint8_t scale(uint32_t pixel) const {
        if (top == 0) {
            return 0;
        }
        return static_cast<uint8_t>(((pixel & mask) >> shift) * 255u / top);
    }
};

struct Header {
    int64_t width = 0;
    int64_t height = 0; // negative: top-down rows
    unsigned bitsPerPixel = 0;
    uint32_t compression = kRgb;
    uint32_t coloursUsed = 0;
    size_t paletteEntryBytes = 4;
    size_t paletteAt = 0; // file offset of the palette
    Channel red, green, blue, alpha;
    bool masksGiven = false;
};

int readHeader(std::span<const uint8_t> file, Header& h) {
    if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') {
        return kLoadImage;
    }
    const uint32_t headerSize = le32(file, kFileHeaderSize);
    if (headerSize < kCoreHeaderSize || headerSize > kLargestHeaderSize ||
        file.size() < kFileHeaderSize + headerSize) {
        return kLoadImage;
    }
    const size_t info = kFileHeaderSize;
    h.paletteAt = info + headerSize;
    if (headerSize == kCoreHeaderSize) {
        h.width = le16(file, info + 4);
        h.height = le16(file, info + 6);
        h.bitsPerPixel = le16(file, info + 10);
        h.paletteEntryBytes = 3;
        return kOk;
    }
    if (headerSize < kInfoHeaderSize) {
        return kLoadImage;
    }
    h.width = static_cast<int32_t>(le32(file, info + 4));
    h.height = static_cast<int32_t>(le32(file, info + 8));
    h.bitsPerPixel = le16(file, info + 14);
    h.compression = le32(file, info + 16);
    h.coloursUsed = le32(file, info + 32);
    if (h.compression != kBitFields && h.compression != kAlphaBitFields) {
        return kOk;
    }
    // Masks: inside a larger header, else right behind the version 3 header.
    const size_t masksAt = info + kInfoHeaderSize;
    const size_t maskCount = h.compression == kAlphaBitFields ? 4 : 3;
    const size_t masksEnd = masksAt + maskCount * 4;
    if (file.size() < masksEnd) {
        return kLoadImage;
    }
    h.red = Channel(le32(file, masksAt));
    h.green = Channel(le32(file, masksAt + 4));
    h.blue = Channel(le32(file, masksAt + 8));
    const bool alphaInHeader = headerSize >= kInfoHeaderSize + 16;
    if (maskCount == 4 || alphaInHeader) {
        h.alpha = Channel(le32(file, masksAt + 12));
    }
    h.masksGiven = true;
    if (headerSize == kInfoHeaderSize) {
        h.paletteAt = masksEnd;
    }
    return kOk;
}

int checkFormat(const Header& h) {
    switch (h.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 24:
        return h.compression == kRgb ? kOk : kLoadImage;
    case 16:
    case 32:
        return h.compression == kRgb || h.masksGiven ? kOk : kLoadImage;
    default:
        return kLoadImage;
    }
}

// Reads the palette; fewer entries than the depth allows leave the rest
// black, more are a broken file.
int readPalette(std::span<const uint8_t> file, const Header& h, std::array<Rgb, 256>& palette,
                size_t& count) {
    count = 0;
    if (h.bitsPerPixel > 8) {
        return kOk;
    }
    const size_t most = size_t{1} << h.bitsPerPixel;
    count = h.coloursUsed == 0 ? most : h.coloursUsed;
    if (count > most || h.paletteAt + count * h.paletteEntryBytes > file.size()) {
        return kLoadImage;
    }
    for (size_t i = 0; i < count; ++i) {
        const size_t at = h.paletteAt + i * h.paletteEntryBytes;
        palette[i] = Rgb{file[at + 2], file[at + 1], file[at]};
    }
    return kOk;
}

void greyIndexedRow(const uint8_t* row, int width, unsigned bits, const GreyPalette& grey, uint8_t* out) {
    const unsigned perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const unsigned byte = row[static_cast<unsigned>(x) / perByte];
        const unsigned shift = 8 - bits * (static_cast<unsigned>(x) % perByte + 1);
        out[x] = grey[(byte >> shift) & mask];
    }
}

void greyMaskedRow(const uint8_t* row, int width, const Header& h, uint8_t* out) {
    const size_t step = h.bitsPerPixel / 8;
    const bool hasAlpha = h.alpha.mask != 0;
    for (int x = 0; x < width; ++x, row += step) {
        const uint32_t pixel =
            step == 2 ? static_cast<uint32_t>(row[0] | row[1] << 8)
                      : static_cast<uint32_t>(row[0]) | static_cast<uint32_t>(row[1]) << 8 |
                            static_cast<uint32_t>(row[2]) << 16 | static_cast<uint32_t>(row[3]) << 24;
        uint8_t r = h.red.scale(pixel);
        uint8_t g = h.green.scale(pixel);
        uint8_t b = h.blue.scale(pixel);
        if (hasAlpha) {
            const uint8_t a = h.alpha.scale(pixel);
            r = overWhite(r, a);
            g = overWhite(g, a);
            b = overWhite(b, a);
        }
        out[x] = greyOf(r, g, b);
    }
}

} // namespace

int readBmp(std::span<const uint8_t> file, LoadedImage& image) {
    Header h;
    if (const int r = readHeader(file, h); r != kOk) {
        return r;
    }
    if (const int r = checkFormat(h); r != kOk) {
        return r;
    }
    const bool topDown = h.height < 0;
    const int64_t height = topDown ? -h.height : h.height;
    if (const int r = checkImageSize(h.width, height); r != kOk) {
        return r;
    }
    const auto width = static_cast<int>(h.width);
    const auto rows = static_cast<int>(height);
    const uint64_t stride = (static_cast<uint64_t>(width) * h.bitsPerPixel + 31) / 32 * 4;
    const uint32_t dataAt = le32(file, 10);
    if (dataAt > file.size() || stride * static_cast<uint64_t>(rows) > file.size() - dataAt) {
        return kLoadImage;
    }
    std::array<Rgb, 256> palette{};
    size_t paletteCount = 0;
    if (const int r = readPalette(file, h, palette, paletteCount); r != kOk) {
        return r;
    }
    const bool oneBit = h.bitsPerPixel == 1;
    if (const int r = allocatePixels(image, width, rows, oneBit); r != kOk) {
        return r;
    }
    if (!h.masksGiven && h.bitsPerPixel == 16) {
        h.red = Channel(0x7C00);
        h.green = Channel(0x03E0);
        h.blue = Channel(0x001F);
    } else if (!h.masksGiven && h.bitsPerPixel == 32) {
        h.red = Channel(0x00FF0000);
        h.green = Channel(0x0000FF00);
        h.blue = Channel(0x000000FF);
    }
    GreyPalette greyPalette{};
    for (size_t i = 0; i < paletteCount; ++i) {
        greyPalette[i] = greyOf(palette[i].red, palette[i].green, palette[i].blue);
    }
    image.entry1Blue = palette[1].blue;
    const size_t outRow = oneBit ? static_cast<size_t>(rowBytesOf(width)) : static_cast<size_t>(width);
    const PixelLayout bgr{3, 2, 1, 0, -1};
    for (int y = 0; y < rows; ++y) {
        const int fileRow = topDown ? y : rows - 1 - y;
        const uint8_t* row = file.data() + dataAt + static_cast<uint64_t>(fileRow) * stride;
        uint8_t* out = image.pixels.data() + static_cast<size_t>(y) * outRow;
        if (oneBit) {
            std::copy(row, row + outRow, out);
        } else if (h.bitsPerPixel <= 8) {
            greyIndexedRow(row, width, h.bitsPerPixel, greyPalette, out);
        } else if (h.bitsPerPixel == 24) {
            greyRow(row, width, bgr, out);
        } else {
            greyMaskedRow(row, width, h, out);
        }
    }
    return kOk;
}

} // namespace cobrix::cpcl
