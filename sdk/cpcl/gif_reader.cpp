// GIF files through giflib: the first picture of the file, placed on the
// logical screen and clipped to it. The screen around the picture and its
// transparent pixels count as white paper.
#include "grey_scale.h"
#include "image_readers.h"
#include "result_codes.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <new>

namespace cobrix::cpcl {
namespace {

constexpr int kGraphicsControl = 0xF9;

struct Source {
    std::span<const uint8_t> file;
    size_t at = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int length) {
    auto* source = static_cast<Source*>(gif->UserData);
    const size_t count = std::min(static_cast<size_t>(std::max(length, 0)), source->file.size() - source->at);
    std::memcpy(out, source->file.data() + source->at, count);
    source->at += count;
    return static_cast<int>(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifPointer = std::unique_ptr<GifFileType, GifCloser>;

// Reads extensions up to the first picture. The graphics control extension
// before it may name a transparent palette index (-1: none).
int skipToPicture(GifFileType* gif, int& transparent) {
    transparent = -1;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &record) != GIF_OK) {
            return kLoadImage;
        }
        if (record == IMAGE_DESC_RECORD_TYPE) {
            return DGifGetImageDesc(gif) == GIF_OK ? kOk : kLoadImage;
        }
        if (record != EXTENSION_RECORD_TYPE) {
            return kLoadImage; // the file ends without a picture
        }
        int code = 0;
        GifByteType* block = nullptr;
        if (DGifGetExtension(gif, &code, &block) != GIF_OK) {
            return kLoadImage;
        }
        if (code == kGraphicsControl && block != nullptr && block[0] >= 4) {
            transparent = (block[1] & 0x01) != 0 ? block[4] : -1;
        }
        while (block != nullptr) {
            if (DGifGetExtensionNext(gif, &block) != GIF_OK) {
                return kLoadImage;
            }
        }
    }
}

// The file rows of an interlaced picture come in four passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            order.push_back(y);
        }
        return order;
    }
    static constexpr int kStart[] = {0, 4, 2, 1};
    static constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < height; y += kStep[pass]) {
            order.push_back(y);
        }
    }
    return order;
}

int decodePicture(GifFileType* gif, int transparent, LoadedImage& image) {
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colours = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (colours == nullptr || colours->Colors == nullptr || frame.Width <= 0 || frame.Height <= 0 ||
        frame.Left < 0 || frame.Top < 0) {
        return kLoadImage;
    }
    // The picture is the logical screen, the frame clipped to it; a file
    // without a screen size is the frame alone.
    const bool noScreen = gif->SWidth <= 0 || gif->SHeight <= 0;
    const int left = noScreen ? 0 : frame.Left;
    const int top = noScreen ? 0 : frame.Top;
    if (const int r = allocatePixels(image, noScreen ? frame.Width : gif->SWidth,
                                     noScreen ? frame.Height : gif->SHeight, false);
        r != kOk) {
        return r;
    }
    const uint8_t paper = greyOf(255, 255, 255);
    std::fill(image.pixels.begin(), image.pixels.end(), paper);
    GreyPalette grey{};
    const int count = std::min(colours->ColorCount, 256);
    for (int i = 0; i < count; ++i) {
        const GifColorType& c = colours->Colors[i];
        grey[static_cast<size_t>(i)] = greyOf(c.Red, c.Green, c.Blue);
    }
    if (transparent >= 0) {
        grey[static_cast<size_t>(transparent)] = paper;
    }
    std::vector<GifPixelType> line(static_cast<size_t>(frame.Width));
    for (const int y : rowOrder(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, line.data(), frame.Width) != GIF_OK) {
            return kLoadImage;
        }
        if (top + y >= image.height || left >= image.width) {
            continue; // outside the screen
        }
        uint8_t* out = image.pixels.data() + static_cast<size_t>(top + y) * static_cast<size_t>(image.width) +
                       static_cast<size_t>(left);
        const size_t visible = std::min(line.size(), static_cast<size_t>(image.width - left));
        for (size_t x = 0; x < visible; ++x) {
            out[x] = grey[line[x]];
        }
    }
    return kOk;
}

} // namespace

int readGif(std::span<const uint8_t> file, LoadedImage& image) {
    if (file.size() < 6 ||
        (std::memcmp(file.data(), "GIF87a", 6) != 0 && std::memcmp(file.data(), "GIF89a", 6) != 0)) {
        return kLoadImage;
    }
    Source source{file, 0};
    int error = 0;
    int result = kLoadImage;
    try {
        GifPointer gif(DGifOpen(&source, readFromMemory, &error));
        if (gif == nullptr) {
            return kLoadImage;
        }
        int transparent = -1;
        result = skipToPicture(gif.get(), transparent);
        if (result == kOk) {
            result = decodePicture(gif.get(), transparent, image);
        }
    } catch (const std::bad_alloc&) {
        result = kNoMemory;
    }
    if (result != kOk) {
        image = LoadedImage{};
    }
    return result;
}

} // namespace cobrix::cpcl
