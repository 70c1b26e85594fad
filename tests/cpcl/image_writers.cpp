#include "image_writers.h"

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

namespace cpcltest {
namespace {

void put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

size_t strideOf(int width, int bitsPerPixel) {
    return (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

std::vector<uint8_t> bmpHeaders(int width, int height, int bitsPerPixel, bool topDown, size_t paletteCount) {
    const size_t dataAt = 14 + 40 + 4 * paletteCount;
    const size_t imageBytes = strideOf(width, bitsPerPixel) * height;
    std::vector<uint8_t> out{'B', 'M'};
    put32(out, static_cast<uint32_t>(dataAt + imageBytes));
    put32(out, 0);
    put32(out, static_cast<uint32_t>(dataAt));
    put32(out, 40);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(topDown ? -height : height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, 0);
    put32(out, static_cast<uint32_t>(imageBytes));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, static_cast<uint32_t>(paletteCount));
    put32(out, 0);
    return out;
}

// Rows go bottom-up unless top-down was asked for.
int fileRow(int y, int height, bool topDown) {
    return topDown ? y : height - 1 - y;
}

void pngWriteToVector(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void pngFlush(png_structp) {}

// Writes a PNG whose rows `rowAt(y)` returns.
template <typename RowAt>
std::vector<uint8_t> writePng(int width, int height, int depth, int colourType, bool interlaced,
                              const std::vector<Colour>* palette, RowAt rowAt) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG writing failed");
    }
    png_set_write_fn(png, &out, pngWriteToVector, pngFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), depth,
                 colourType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> entries;
    if (palette != nullptr) {
        for (const Colour& c : *palette) {
            entries.push_back(png_color{c.red, c.green, c.blue});
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
    }
    std::vector<std::vector<uint8_t>> rows;
    std::vector<png_bytep> pointers;
    for (int y = 0; y < height; ++y) {
        rows.push_back(rowAt(y));
    }
    for (auto& row : rows) {
        pointers.push_back(row.data());
    }
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> packIndices(const IndexedPicture& picture, int y, int depth) {
    std::vector<uint8_t> row((static_cast<size_t>(picture.width) * depth + 7) / 8, 0);
    const int perByte = 8 / depth;
    for (int x = 0; x < picture.width; ++x) {
        const uint8_t index = picture.indices[static_cast<size_t>(y) * picture.width + x];
        const int shift = 8 - depth * (x % perByte + 1);
        row[static_cast<size_t>(x / perByte)] |= static_cast<uint8_t>(index << shift);
    }
    return row;
}

struct JpegErrors {
    jpeg_error_mgr base{};
    std::jmp_buf jump{};
};

[[noreturn]] void jpegFail(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

int gifWriteToVector(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

} // namespace

Picture IndexedPicture::toPicture() const {
    Picture picture(width, height);
    for (size_t i = 0; i < indices.size(); ++i) {
        picture.pixels[i] = indices[i] < palette.size() ? palette[indices[i]] : Colour{};
    }
    return picture;
}

std::vector<uint8_t> bmpBytes(const Picture& picture, int bitsPerPixel, bool topDown) {
    std::vector<uint8_t> out = bmpHeaders(picture.width, picture.height, bitsPerPixel, topDown, 0);
    const size_t stride = strideOf(picture.width, bitsPerPixel);
    for (int row = 0; row < picture.height; ++row) {
        const int y = fileRow(row, picture.height, topDown);
        std::vector<uint8_t> line;
        for (int x = 0; x < picture.width; ++x) {
            const Colour& c = picture.at(x, y);
            if (bitsPerPixel == 16) {
                put16(line, static_cast<unsigned>((c.red >> 3) << 10 | (c.green >> 3) << 5 | (c.blue >> 3)));
                continue;
            }
            line.insert(line.end(), {c.blue, c.green, c.red});
            if (bitsPerPixel == 32) {
                line.push_back(0);
            }
        }
        line.resize(stride, 0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<uint8_t> indexedBmpBytes(const IndexedPicture& picture, int bitsPerPixel, bool topDown) {
    std::vector<uint8_t> out =
        bmpHeaders(picture.width, picture.height, bitsPerPixel, topDown, picture.palette.size());
    for (const Colour& c : picture.palette) {
        out.insert(out.end(), {c.blue, c.green, c.red, 0});
    }
    const size_t stride = strideOf(picture.width, bitsPerPixel);
    for (int row = 0; row < picture.height; ++row) {
        std::vector<uint8_t> line = packIndices(picture, fileRow(row, picture.height, topDown), bitsPerPixel);
        line.resize(stride, 0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<uint8_t> pngBytes(const Picture& picture, PngOptions options) {
    const int type = options.grey ? (options.alpha ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_GRAY)
                                  : (options.alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB);
    return writePng(picture.width, picture.height, 8, type, options.interlaced, nullptr, [&](int y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < picture.width; ++x) {
            const Colour& c = picture.at(x, y);
            if (options.grey) {
                row.push_back(c.red);
            } else {
                row.insert(row.end(), {c.red, c.green, c.blue});
            }
            if (options.alpha) {
                row.push_back(c.alpha);
            }
        }
        return row;
    });
}

std::vector<uint8_t> indexedPngBytes(const IndexedPicture& picture, int bitDepth) {
    return writePng(picture.width, picture.height, bitDepth, PNG_COLOR_TYPE_PALETTE, false, &picture.palette,
                    [&](int y) { return packIndices(picture, y, bitDepth); });
}

std::vector<uint8_t> greyOneBitPngBytes(const IndexedPicture& picture) {
    return writePng(picture.width, picture.height, 1, PNG_COLOR_TYPE_GRAY, false, nullptr,
                    [&](int y) { return packIndices(picture, y, 1); });
}

std::vector<uint8_t> jpegBytes(const Picture& picture, bool grey, int quality) {
    jpeg_compress_struct info{};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFail;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&info);
        throw std::runtime_error("JPEG writing failed");
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row;
    for (int y = 0; y < picture.height; ++y) {
        row.clear();
        for (int x = 0; x < picture.width; ++x) {
            const Colour& c = picture.at(x, y);
            if (grey) {
                row.push_back(c.red);
            } else {
                row.insert(row.end(), {c.red, c.green, c.blue});
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

Picture decodeJpeg(const std::vector<uint8_t>& file) {
    jpeg_decompress_struct info{};
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFail;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        throw std::runtime_error("JPEG reading failed");
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    Picture picture(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    const int components = info.output_components;
    std::vector<uint8_t> row(static_cast<size_t>(picture.width) * components);
    for (int y = 0; y < picture.height; ++y) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = row.data() + static_cast<size_t>(x) * components;
            picture.at(x, y) = components == 1 ? Colour{p[0], p[0], p[0]} : Colour{p[0], p[1], p[2]};
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return picture;
}

std::vector<uint8_t> gifBytes(const IndexedPicture& picture, int transparent, bool interlaced) {
    std::vector<uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, gifWriteToVector, &error);
    int bits = 1;
    while ((1u << bits) < picture.palette.size()) {
        ++bits;
    }
    std::vector<GifColorType> colours(size_t{1} << bits);
    for (size_t i = 0; i < picture.palette.size(); ++i) {
        colours[i] = GifColorType{picture.palette[i].red, picture.palette[i].green, picture.palette[i].blue};
    }
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, picture.width, picture.height, bits, 0, map);
    if (transparent >= 0) {
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSAL_UNSPECIFIED;
        control.TransparentColor = transparent;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    }
    EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, interlaced, nullptr);
    std::vector<int> order;
    if (interlaced) {
        for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
            for (int y = start; y < picture.height; y += step) {
                order.push_back(y);
            }
        }
    } else {
        for (int y = 0; y < picture.height; ++y) {
            order.push_back(y);
        }
    }
    for (const int y : order) {
        std::vector<GifPixelType> line(
            picture.indices.begin() + static_cast<std::ptrdiff_t>(y) * picture.width,
            picture.indices.begin() + static_cast<std::ptrdiff_t>(y + 1) * picture.width);
        EGifPutLine(gif, line.data(), picture.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace cpcltest
