// Broken and hostile image files: each gives an error code before any
// memory is taken for the size it declares, and nothing reaches the printer.
#include "cpcl_printer_fixture.h"
#include "image_writers.h"

#include <filesystem>
#include <zlib.h>

namespace cpcltest {
namespace {

void put32le(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void put32be(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * (3 - i)));
    }
}

void put16le(std::vector<uint8_t>& bytes, size_t at, unsigned value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void put16be(std::vector<uint8_t>& bytes, size_t at, unsigned value) {
    bytes[at] = static_cast<uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<uint8_t>(value);
}

std::vector<uint8_t> cut(std::vector<uint8_t> bytes, size_t keep) {
    bytes.resize(std::min(keep, bytes.size()));
    return bytes;
}

// BMP header fields (file offsets).
constexpr size_t kBmpDataAt = 10, kBmpHeaderSize = 14, kBmpWidth = 18, kBmpHeight = 22, kBmpBits = 28,
                 kBmpCompression = 30, kBmpColoursUsed = 46;

std::vector<uint8_t> bmpWith(size_t at, uint32_t value, bool sixteenBits = false) {
    const IndexedPicture picture(9, 4, {{0, 0, 0}, {90, 90, 90}, {255, 255, 255}});
    std::vector<uint8_t> bytes = indexedBmpBytes(picture, 8);
    if (sixteenBits) {
        put16le(bytes, at, value);
    } else {
        put32le(bytes, at, value);
    }
    return bytes;
}

// A PNG whose header announces another size (with a correct checksum).
std::vector<uint8_t> pngSized(uint32_t width, uint32_t height) {
    std::vector<uint8_t> bytes = pngBytes(Picture(4, 4, Colour{10, 20, 30}));
    put32be(bytes, 16, width);
    put32be(bytes, 20, height);
    put32be(bytes, 29, static_cast<uint32_t>(crc32(0, bytes.data() + 12, 17)));
    return bytes;
}

// A JPEG whose frame header announces another size.
std::vector<uint8_t> jpegSized(unsigned width, unsigned height) {
    std::vector<uint8_t> bytes = jpegBytes(Picture(16, 16, Colour{200, 100, 50}), false);
    for (size_t i = 2; i + 9 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            put16be(bytes, i + 5, height);
            put16be(bytes, i + 7, width);
            break;
        }
    }
    return bytes;
}

std::vector<uint8_t> gifSized(unsigned width, unsigned height) {
    std::vector<uint8_t> bytes = gifBytes(IndexedPicture(4, 4, {{0, 0, 0}, {255, 255, 255}}));
    put16le(bytes, 6, width);
    put16le(bytes, 8, height);
    return bytes;
}

// A GIF with neither a global nor a local palette.
std::vector<uint8_t> gifWithoutPalette() {
    std::vector<uint8_t> bytes = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 2, 0, 0x00, 0, 0};
    const std::vector<uint8_t> image = {0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0x00, 2, 2, 0x44, 0x01, 0, 0x3B};
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

struct BadFile {
    const char* name;
    std::vector<uint8_t> bytes;
    int result;
};

std::vector<BadFile> badFiles() {
    const Picture picture(40, 30, Colour{120, 60, 30});
    const std::vector<uint8_t> bmp = bmpBytes(picture, 24);
    const std::vector<uint8_t> png = pngBytes(picture);
    const std::vector<uint8_t> jpeg = jpegBytes(picture, false);
    const std::vector<uint8_t> gif = gifBytes(IndexedPicture(40, 30, {{0, 0, 0}, {255, 255, 255}}));
    std::vector<uint8_t> pngBadSum = png;
    pngBadSum[pngBadSum.size() - 20] ^= 0x55; // inside the image data
    std::vector<uint8_t> jpegNoise = jpeg;
    for (size_t i = jpegNoise.size() / 2; i < jpegNoise.size() - 2; ++i) {
        jpegNoise[i] = static_cast<uint8_t>(i * 37);
    }

    return {
        {"empty", {}, -21},
        {"text", {'h', 'e', 'l', 'l', 'o', '\n'}, -21},
        {"bmp header only", cut(bmp, 20), -21},
        {"bmp pixels cut", cut(bmp, bmp.size() - 10), -21},
        {"bmp too wide", bmpWith(kBmpWidth, 8000), -1},
        {"bmp over the pixel cap", bmpWith(kBmpHeight, 5000000), -25},
        {"bmp tallest top-down", bmpWith(kBmpHeight, 0x80000000u), -25},
        {"bmp zero width", bmpWith(kBmpWidth, 0), -21},
        {"bmp negative width", bmpWith(kBmpWidth, static_cast<uint32_t>(-9)), -21},
        {"bmp palette larger than its depth", bmpWith(kBmpColoursUsed, 300), -21},
        {"bmp palette beyond the file", bmpWith(kBmpColoursUsed, 256), -21},
        {"bmp 7 bits", bmpWith(kBmpBits, 7, true), -21},
        {"bmp run-length", bmpWith(kBmpCompression, 1), -21},
        {"bmp data beyond the file", bmpWith(kBmpDataAt, 0x7FFFFFF0), -21},
        {"bmp header size 200", bmpWith(kBmpHeaderSize, 200), -21},
        {"bmp header size 20", bmpWith(kBmpHeaderSize, 20), -21},
        {"png signature only", cut(png, 8), -21},
        {"png cut in the data", cut(png, png.size() / 2), -21},
        {"png bad checksum", pngBadSum, -21},
        {"png too wide", pngSized(100000, 10), -1},
        {"png over the pixel cap", pngSized(7000, 100000), -25},
        {"png zero height", pngSized(10, 0), -21},
        {"jpeg cut", cut(jpeg, jpeg.size() / 2), -21},
        {"jpeg noise", jpegNoise, -21},
        {"jpeg too wide", jpegSized(65000, 16), -1},
        {"jpeg over the pixel cap", jpegSized(7000, 65000), -25},
        {"gif cut", cut(gif, gif.size() / 2), -21},
        {"gif header only", cut(gif, 13), -21},
        {"gif too wide", gifSized(65535, 65535), -1},
        {"gif over the pixel cap", gifSized(7000, 65535), -25},
        {"gif without palette", gifWithoutPalette(), -21},
    };
}

class BadImageTest : public CpclPrinterTest {};

TEST_F(BadImageTest, BrokenAndHostileFilesAreRefused) {
    const std::string path = tempPath("bad");
    const std::u16string wide(path.begin(), path.end());
    for (const BadFile& file : badFiles()) {
        SCOPED_TRACE(file.name);
        writeFile(path, file.bytes);
        EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, wide.c_str()), file.result);
        expectNothingSent();
    }
}

TEST_F(BadImageTest, PathsThatNameNoImage) {
    const std::string folder = tempPath("folder");
    std::filesystem::create_directory(folder);
    const std::u16string missing = u"/nonexistent/picture.png";
    const std::u16string directory(folder.begin(), folder.end());
    const char16_t unpaired[] = {u'/', 0xD800, u'x', 0};
    EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, missing.c_str()), -21);
    EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, directory.c_str()), -21);
    EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, unpaired), -21);
    EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, nullptr), -1);
    expectNothingSent();
}

TEST_F(BadImageTest, NonAsciiPathsAreFileNames) {
    const std::string path = tempPath("\xE5\x9B\xBE\xE7\x89\x87-bild-\xC3\xBC.bmp"); // UTF-8 on disk
    writeFile(path, bmpBytes(Picture(8, 1, Colour{0, 0, 0}), 24));
    EXPECT_EQ(CPCL_AddImage(handle_, 0, 0, 0, u"\u56FE\u7247-bild-\u00FC.bmp"), -21); // relative: not there
    const std::u16string wide = [&] {
        std::u16string folder(tempFolder_.begin(), tempFolder_.end());
        return folder + u"/\u56FE\u7247-bild-\u00FC.bmp";
    }();
    ASSERT_EQ(CPCL_AddImage(handle_, 0, 0, 0, wide.c_str()), 0);
    const std::vector<emulator::cpcl::Graphic> graphics = nextGraphics();
    ASSERT_EQ(graphics.size(), 1u);
    EXPECT_EQ(graphics[0].bitmap, std::vector<uint8_t>{0xFF});
}

} // namespace
} // namespace cpcltest
