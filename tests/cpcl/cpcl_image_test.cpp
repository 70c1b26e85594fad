// Image files to printer graphics: each format and depth the library reads,
// decoded from what the printer received and compared dot by dot with the
// expected bitmap.
#include "cpcl_printer_fixture.h"
#include "image_writers.h"
#include "reference_graphics.h"

#include <functional>

namespace cpcltest {
namespace {

// A picture with every kind of colour: gradients in all three components.
Picture colourful(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.at(x, y) = Colour{static_cast<uint8_t>(x * 255 / std::max(1, width - 1)),
                                      static_cast<uint8_t>(y * 255 / std::max(1, height - 1)),
                                      static_cast<uint8_t>((x * 7 + y * 13) % 256)};
        }
    }
    return picture;
}

// Colours whose components are 0 or 255 only, which every depth holds exactly.
Picture primaries(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int c = (x / 3 + y / 2) % 8;
            picture.at(x, y) =
                Colour{static_cast<uint8_t>(c & 1 ? 255 : 0), static_cast<uint8_t>(c & 2 ? 255 : 0),
                       static_cast<uint8_t>(c & 4 ? 255 : 0)};
        }
    }
    return picture;
}

// A palette picture using `colours` entries in a pattern.
IndexedPicture patterned(int width, int height, std::vector<Colour> palette) {
    IndexedPicture picture(width, height, std::move(palette));
    const auto count = static_cast<int>(picture.palette.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.at(x, y) = static_cast<uint8_t>((x * 3 + y * 5 + x * y) % count);
        }
    }
    return picture;
}

std::vector<Colour> greyRamp(int count) {
    std::vector<Colour> palette;
    for (int i = 0; i < count; ++i) {
        const auto v = static_cast<uint8_t>(i * 255 / (count - 1));
        palette.push_back(Colour{v, static_cast<uint8_t>(255 - v), static_cast<uint8_t>(v / 2)});
    }
    return palette;
}

const std::vector<Colour> kBlackWhite = {{0, 0, 0}, {255, 255, 255}};
const std::vector<Colour> kWhiteBlack = {{255, 255, 255}, {0, 0, 0}};

struct ImageCase {
    const char* name;
    std::vector<uint8_t> file;
    int width;
    int height;
    std::vector<uint8_t> expected; // the bitmap the printer must receive
};

std::vector<ImageCase> imageCases() {
    const Picture colour = colourful(37, 23);
    const Picture pure = primaries(29, 11);
    const IndexedPicture ramp16 = patterned(21, 9, greyRamp(16));
    const IndexedPicture ramp256 = patterned(45, 17, greyRamp(256));
    const IndexedPicture ones = patterned(19, 7, kBlackWhite);
    const IndexedPicture onesInverted = patterned(19, 7, kWhiteBlack);
    Picture transparent = colourful(24, 10);
    for (int y = 0; y < transparent.height; ++y) {
        for (int x = 0; x < transparent.width; ++x) {
            transparent.at(x, y).alpha = (x + y) % 3 == 0 ? 0 : 255;
        }
    }
    IndexedPicture withClear = patterned(17, 12, greyRamp(4));
    // A frame larger than the GIF's screen is clipped to it.
    std::vector<uint8_t> clippedGif = gifBytes(ramp16);
    clippedGif[6] = 7; // screen 7 x 4
    clippedGif[7] = 0;
    clippedGif[8] = 4;
    clippedGif[9] = 0;
    Picture clipped(7, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 7; ++x) {
            clipped.at(x, y) = ramp16.palette[ramp16.indices[static_cast<size_t>(y) * ramp16.width + x]];
        }
    }
    const std::vector<uint8_t> jpegColour = jpegBytes(colour, false);
    const std::vector<uint8_t> jpegGrey = jpegBytes(colour, true);

    return {
        {"bmp 24 bits", bmpBytes(colour, 24), 37, 23, ditheredBitmap(colour)},
        {"bmp 24 bits top-down", bmpBytes(colour, 24, true), 37, 23, ditheredBitmap(colour)},
        {"bmp 32 bits", bmpBytes(colour, 32), 37, 23, ditheredBitmap(colour)},
        {"bmp 16 bits", bmpBytes(pure, 16), 29, 11, ditheredBitmap(pure)},
        {"bmp 8 bits", indexedBmpBytes(ramp256, 8), 45, 17, ditheredBitmap(ramp256.toPicture())},
        {"bmp 4 bits", indexedBmpBytes(ramp16, 4), 21, 9, ditheredBitmap(ramp16.toPicture())},
        {"bmp 1 bit, entry 1 white", indexedBmpBytes(ones, 1), 19, 7, oneBitBitmap(ones)},
        {"bmp 1 bit, entry 1 black", indexedBmpBytes(onesInverted, 1, true), 19, 7,
         oneBitBitmap(onesInverted)},
        {"png rgb", pngBytes(colour), 37, 23, ditheredBitmap(colour)},
        {"png rgb interlaced", pngBytes(colour, {.interlaced = true}), 37, 23, ditheredBitmap(colour)},
        {"png grey", pngBytes(ramp256.toPicture(), {.grey = true}), 45, 17, ditheredBitmap([&] {
             Picture grey = ramp256.toPicture();
             for (Colour& c : grey.pixels) {
                 c = Colour{c.red, c.red, c.red};
             }
             return grey;
         }())},
        {"png with transparency", pngBytes(transparent, {.alpha = true}), 24, 10,
         ditheredBitmap(transparent)},
        {"png palette 8 bits", indexedPngBytes(ramp256, 8), 45, 17, ditheredBitmap(ramp256.toPicture())},
        {"png palette 4 bits", indexedPngBytes(ramp16, 4), 21, 9, ditheredBitmap(ramp16.toPicture())},
        {"png palette 1 bit, entry 1 white", indexedPngBytes(ones, 1), 19, 7, oneBitBitmap(ones)},
        {"png palette 1 bit, entry 1 black", indexedPngBytes(onesInverted, 1), 19, 7,
         oneBitBitmap(onesInverted)},
        {"png grey 1 bit", greyOneBitPngBytes(ones), 19, 7, oneBitBitmap(ones)},
        {"jpeg colour", jpegColour, 37, 23, ditheredBitmap(decodeJpeg(jpegColour))},
        {"jpeg grey", jpegGrey, 37, 23, ditheredBitmap(decodeJpeg(jpegGrey))},
        {"gif", gifBytes(ramp256), 45, 17, ditheredBitmap(ramp256.toPicture())},
        {"gif interlaced", gifBytes(ramp16, -1, true), 21, 9, ditheredBitmap(ramp16.toPicture())},
        {"gif frame larger than its screen", clippedGif, 7, 4, ditheredBitmap(clipped)},
        {"gif transparent index", gifBytes(withClear, 2), 17, 12, ditheredBitmap([&] {
             IndexedPicture seen = withClear;
             seen.palette[2] = Colour{255, 255, 255};
             return seen.toPicture();
         }())},
    };
}

class ImageGraphicsTest : public CpclPrinterTest {
  protected:
    // Writes `bytes` to a file and prints it at (x, y).
    int addImageFile(const std::vector<uint8_t>& bytes, int vertical = 0, int x = 0, int y = 0) {
        const std::string path = tempPath("image");
        writeFile(path, bytes);
        return CPCL_AddImage(handle_, vertical, x, y, std::u16string(path.begin(), path.end()).c_str());
    }

    // The one graphics command received next.
    emulator::cpcl::Graphic receivedGraphic() {
        const std::vector<emulator::cpcl::Graphic> graphics = nextGraphics();
        if (graphics.size() != 1) {
            ADD_FAILURE() << graphics.size() << " graphics received";
            return {};
        }
        return graphics[0];
    }
};

TEST_F(ImageGraphicsTest, EveryFormatArrivesAsTheExpectedBitmap) {
    for (const ImageCase& c : imageCases()) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(addImageFile(c.file, 0, 12, 34), 0);
        const emulator::cpcl::Graphic graphic = receivedGraphic();
        EXPECT_FALSE(graphic.header.vertical);
        EXPECT_EQ(graphic.header.widthBytes, (c.width + 7) / 8);
        EXPECT_EQ(graphic.header.height, c.height);
        EXPECT_EQ(graphic.header.x, 12);
        EXPECT_EQ(graphic.header.y, 34);
        EXPECT_EQ(graphic.bitmap, c.expected);
    }
}

TEST_F(ImageGraphicsTest, AHandWorkedDiffusionCase) {
    // Grey 100 everywhere, 3 x 2: the first row prints black, white, black;
    // the second black, black (a value of exactly 128 is black), white.
    const Picture grey(3, 2, Colour{100, 100, 100});
    ASSERT_EQ(addImageFile(bmpBytes(grey, 24)), 0);
    EXPECT_EQ(receivedGraphic().bitmap, (std::vector<uint8_t>{0xA0, 0xC0}));
}

TEST_F(ImageGraphicsTest, UniformPictures) {
    const Picture white(13, 5, Colour{255, 255, 255});
    ASSERT_EQ(addImageFile(bmpBytes(white, 24)), 0);
    EXPECT_EQ(blackDots(receivedGraphic().bitmap), 0u);

    // Every dot black; the three spare bits of each row stay clear.
    const Picture black(13, 5, Colour{0, 0, 0});
    ASSERT_EQ(addImageFile(pngBytes(black)), 0);
    const emulator::cpcl::Graphic all = receivedGraphic();
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(all.bitmap[static_cast<size_t>(row) * 2], 0xFF);
        EXPECT_EQ(all.bitmap[static_cast<size_t>(row) * 2 + 1], 0xF8);
    }

    const Picture grey(64, 64, Colour{128, 128, 128});
    ASSERT_EQ(addImageFile(bmpBytes(grey, 24)), 0);
    const double share = static_cast<double>(blackDots(receivedGraphic().bitmap)) / (64.0 * 64.0);
    EXPECT_GT(share, 0.4);
    EXPECT_LT(share, 0.6);
}

TEST_F(ImageGraphicsTest, OneBitPictures) {
    // Ten dots wide with palette entry 1 white: the bits are inverted, and
    // of the last byte of each row only the two high bits remain.
    const IndexedPicture blank(10, 3, kBlackWhite);
    ASSERT_EQ(addImageFile(indexedBmpBytes(blank, 1)), 0);
    EXPECT_EQ(receivedGraphic().bitmap, (std::vector<uint8_t>{0xFF, 0xC0, 0xFF, 0xC0, 0xFF, 0xC0}));

    // Entry 1 black: the bits are used as they are.
    IndexedPicture stripes(16, 2, kWhiteBlack);
    for (int x = 0; x < 16; x += 2) {
        stripes.at(x, 0) = 1;
        stripes.at(x + 1, 1) = 1;
    }
    ASSERT_EQ(addImageFile(indexedBmpBytes(stripes, 1)), 0);
    EXPECT_EQ(receivedGraphic().bitmap, (std::vector<uint8_t>{0xAA, 0xAA, 0x55, 0x55}));

    // Only the blue component of entry 1 decides.
    IndexedPicture blue(8, 1, {{0, 0, 0}, {0, 0, 255}});
    ASSERT_EQ(addImageFile(indexedBmpBytes(blue, 1)), 0);
    EXPECT_EQ(receivedGraphic().bitmap, (std::vector<uint8_t>{0xFF}));
}

TEST_F(ImageGraphicsTest, VerticalGraphicsAndWidthLimits) {
    const Picture widest(7992, 1, Colour{0, 0, 0});
    ASSERT_EQ(addImageFile(bmpBytes(widest, 24), 1, -4, 9), 0);
    const emulator::cpcl::Graphic graphic = receivedGraphic();
    EXPECT_TRUE(graphic.header.vertical);
    EXPECT_EQ(graphic.header.widthBytes, 999);
    EXPECT_EQ(graphic.header.x, -4);
    EXPECT_EQ(blackDots(graphic.bitmap), 7992u);

    const Picture tooWide(8000, 1, Colour{0, 0, 0});
    for (const std::vector<uint8_t>& file :
         {bmpBytes(tooWide, 24), pngBytes(tooWide), jpegBytes(tooWide, false)}) {
        EXPECT_EQ(addImageFile(file), -1);
        expectNothingSent();
    }
}

} // namespace
} // namespace cpcltest
