// JPEG files through libjpeg: grey, RGB (YCbCr) and CMYK/YCCK pictures,
// turned into grey values. A truncated file is an error, not a picture
// padded with grey.
#include "grey_scale.h"
#include "image_readers.h"
#include "result_codes.h"

#include <csetjmp>
#include <cstdio>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace cobrix::cpcl {
namespace {

// Bounds for hostile files: decoder work memory, progressive scans, and
// warnings about corrupt data.
constexpr long kMaxDecoderMemory = 512L << 20;
constexpr int kMaxScans = 500;
constexpr long kMaxWarnings = 1000;

struct ErrorManager {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

[[noreturn]] void onError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

// Warnings are level -1. Image data that ends early (at the end of the file
// or at a marker) is fatal, as the decoder would pad the rest of the picture
// with grey; so are endless streams of corrupt-data warnings. Nothing is
// printed.
void onMessage(j_common_ptr info, int level) {
    if (level >= 0) {
        return;
    }
    info->err->num_warnings++;
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || info->err->num_warnings > kMaxWarnings) {
        onError(info);
    }
}

void onProgress(j_common_ptr info) {
    if (info->is_decompressor) {
        const auto* d = reinterpret_cast<j_decompress_ptr>(info);
        if (d->input_scan_number > kMaxScans) {
            onError(info);
        }
    }
}

struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    std::vector<uint8_t> row;
    int result = kOk;
};

PixelLayout layoutOf(J_COLOR_SPACE space) {
    return space == JCS_GRAYSCALE ? PixelLayout{1, 0, 0, 0, -1} : PixelLayout{3, 0, 1, 2, -1};
}

// CMYK as written by common tools (Adobe files hold the inverted values).
void cmykToRgb(uint8_t* row, int width, bool inverted) {
    for (int x = 0; x < width; ++x) {
        const uint8_t* p = row + 4 * x;
        int c = p[0], m = p[1], y = p[2], k = p[3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        uint8_t* out = row + 3 * x;
        out[0] = static_cast<uint8_t>(c * k / 255);
        out[1] = static_cast<uint8_t>(m * k / 255);
        out[2] = static_cast<uint8_t>(y * k / 255);
    }
}

// Runs inside the setjmp scope: no object with a destructor lives here.
void decode(Decoder& d, std::span<const uint8_t> file, LoadedImage& image) {
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = kMaxDecoderMemory;
    d.info.progress = &d.progress;
    jpeg_mem_src(&d.info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&d.info, TRUE);
    d.result = checkImageSize(d.info.image_width, d.info.image_height);
    if (d.result != kOk) {
        return;
    }
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        d.info.out_color_space = JCS_CMYK;
    } else if (d.info.jpeg_color_space != JCS_GRAYSCALE) {
        d.info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&d.info);
    d.result = allocatePixels(image, static_cast<int>(d.info.output_width),
                              static_cast<int>(d.info.output_height), false);
    if (d.result != kOk) {
        return;
    }
    const int components = d.info.output_components;
    d.row.resize(static_cast<size_t>(image.width) * static_cast<size_t>(components));
    const PixelLayout layout = layoutOf(cmyk ? JCS_RGB : d.info.out_color_space);
    while (d.info.output_scanline < d.info.output_height) {
        const auto y = static_cast<size_t>(d.info.output_scanline);
        JSAMPROW rows[1] = {d.row.data()};
        if (jpeg_read_scanlines(&d.info, rows, 1) != 1) {
            ERREXIT(&d.info, JERR_INPUT_EMPTY);
        }
        if (cmyk) {
            cmykToRgb(d.row.data(), image.width, d.info.saw_Adobe_marker != 0);
        }
        greyRow(d.row.data(), image.width, layout,
                image.pixels.data() + y * static_cast<size_t>(image.width));
    }
}

} // namespace

int readJpeg(std::span<const uint8_t> file, LoadedImage& image) {
    if (file.size() < 3 || file[0] != 0xFF || file[1] != 0xD8) {
        return kLoadImage;
    }
    Decoder d;
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = onError;
    d.errors.base.emit_message = onMessage;
    d.progress.progress_monitor = onProgress;
    int result = kOk;
    try {
        if (setjmp(d.errors.jump) != 0) {
            result = d.result != kOk ? d.result : kLoadImage;
        } else {
            decode(d, file, image);
            result = d.result;
        }
    } catch (const std::bad_alloc&) {
        result = kNoMemory;
    }
    jpeg_destroy_decompress(&d.info);
    if (result != kOk) {
        image = LoadedImage{};
    }
    return result;
}

} // namespace cobrix::cpcl
