// PNG files through libpng. Images of 1 bit per pixel (palette or grey) keep
// their bits and palette; every other image is expanded to 8-bit RGBA and
// turned into grey values, transparent pixels laid over white.
#include "grey_scale.h"
#include "image_readers.h"
#include "result_codes.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <new>
#include <png.h>

namespace cobrix::cpcl {
namespace {

// Ancillary chunks (text, profiles) larger than this are refused.
constexpr png_alloc_size_t kMaxChunkBytes = 8u << 20;

struct Source {
    std::span<const uint8_t> file;
    size_t at = 0;
};

void readFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->file.size() - source->at) {
        png_error(png, "truncated");
    }
    std::memcpy(out, source->file.data() + source->at, length);
    source->at += length;
}

// Failures end the decoding by a jump back to the setjmp in readPng; nothing
// is printed.
[[noreturn]] void onError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void onWarning(png_structp, png_const_charp) {}

struct Decoder {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Source source;
    std::vector<uint8_t> rgba;          // decoded rows of a colour image
    std::vector<png_bytep> rowPointers; // into rgba or into the image
    int result = kOk;
};

// Runs inside the setjmp scope: no object with a destructor lives here, so
// a jump out of libpng leaves nothing behind.
void decode(Decoder& d, LoadedImage& image) {
    png_set_read_fn(d.png, &d.source, readFromMemory);
    png_set_chunk_malloc_max(d.png, kMaxChunkBytes);
    png_set_user_limits(d.png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(d.png, d.info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    int interlace = 0;
    png_get_IHDR(d.png, d.info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
    const bool oneBit =
        depth == 1 && (colourType == PNG_COLOR_TYPE_PALETTE || colourType == PNG_COLOR_TYPE_GRAY);
    d.result = allocatePixels(image, static_cast<int>(std::min<png_uint_32>(width, 0x7FFFFFFF)),
                              static_cast<int>(std::min<png_uint_32>(height, 0x7FFFFFFF)), oneBit);
    if (d.result != kOk) {
        return;
    }
    png_set_interlace_handling(d.png);
    const size_t rows = height;
    if (oneBit) {
        image.entry1Blue = 255; // grey: entry 1 is white
        if (colourType == PNG_COLOR_TYPE_PALETTE) {
            png_colorp palette = nullptr;
            int count = 0;
            image.entry1Blue = 0;
            if (png_get_PLTE(d.png, d.info, &palette, &count) != 0 && count > 1) {
                image.entry1Blue = palette[1].blue;
            }
        }
        png_read_update_info(d.png, d.info);
        const size_t rowBytes = static_cast<size_t>(rowBytesOf(image.width));
        if (png_get_rowbytes(d.png, d.info) != rowBytes) {
            png_error(d.png, "unexpected row size");
        }
        d.rowPointers.resize(rows);
        for (size_t y = 0; y < rows; ++y) {
            d.rowPointers[y] = image.pixels.data() + y * rowBytes;
        }
        png_read_image(d.png, d.rowPointers.data());
        return;
    }
    png_set_expand(d.png);
    png_set_strip_16(d.png);
    png_set_gray_to_rgb(d.png);
    png_set_filler(d.png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(d.png, d.info);
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    if (png_get_rowbytes(d.png, d.info) != rowBytes) {
        png_error(d.png, "unexpected row size");
    }
    // Interlaced images fill their rows over several passes and need them
    // all at once; others are read one row at a time.
    const bool interlaced = interlace != PNG_INTERLACE_NONE;
    d.rgba.resize(interlaced ? rowBytes * rows : rowBytes);
    const PixelLayout rgbaLayout{4, 0, 1, 2, 3};
    if (interlaced) {
        d.rowPointers.resize(rows);
        for (size_t y = 0; y < rows; ++y) {
            d.rowPointers[y] = d.rgba.data() + y * rowBytes;
        }
        png_read_image(d.png, d.rowPointers.data());
    }
    for (size_t y = 0; y < rows; ++y) {
        uint8_t* row = interlaced ? d.rowPointers[y] : d.rgba.data();
        if (!interlaced) {
            png_read_row(d.png, row, nullptr);
        }
        greyRow(row, image.width, rgbaLayout, image.pixels.data() + y * static_cast<size_t>(image.width));
    }
}

} // namespace

int readPng(std::span<const uint8_t> file, LoadedImage& image) {
    if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) {
        return kLoadImage;
    }
    Decoder d;
    d.source.file = file;
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onError, onWarning);
    if (d.png == nullptr) {
        return kNoMemory;
    }
    d.info = png_create_info_struct(d.png);
    if (d.info == nullptr) {
        png_destroy_read_struct(&d.png, nullptr, nullptr);
        return kNoMemory;
    }
    int result = kOk;
    try {
        if (setjmp(png_jmpbuf(d.png)) != 0) {
            result = d.result != kOk ? d.result : kLoadImage;
        } else {
            decode(d, image);
            result = d.result;
        }
    } catch (const std::bad_alloc&) {
        result = kNoMemory;
    }
    png_destroy_read_struct(&d.png, &d.info, nullptr);
    if (result != kOk) {
        image = LoadedImage{};
    }
    return result;
}

} // namespace cobrix::cpcl
