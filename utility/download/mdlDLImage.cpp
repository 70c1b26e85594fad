#include "mdlDLImage.h"

#include "image_loader.h"
#include "mdlFileUtil.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace tolvane::download {
namespace {

void putLe(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

std::string lowerExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

// Whether source pixel (x, y) prints black.
bool isBlack(const cobrix::cpcl::LoadedImage& source, int x, int y) {
    if (source.oneBit) {
        const size_t row = static_cast<size_t>(cobrix::cpcl::rowBytesOf(source.width));
        const bool bit =
            (source.pixels[static_cast<size_t>(y) * row + static_cast<size_t>(x / 8)] >> (7 - x % 8)) & 1;
        const bool entry1White = source.entry1Blue >= 128;
        return bit != entry1White;
    }
    return source
               .pixels[static_cast<size_t>(y) * static_cast<size_t>(source.width) + static_cast<size_t>(x)] <
           128;
}

} // namespace

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // the default rounding mode is to nearest, ties to even
}

bool IsConvertibleImage(const std::string& path) {
    const std::string ext = lowerExtension(path);
    return ext == ".bmp" || ext == ".jpg" || ext == ".jpeg" || ext == ".png" || ext == ".gif";
}

TConvertResult ConvertImage(const std::string& path, double scale, TMonoImage& image) {
    if (!FileExists(path)) {
        return TConvertResult::Missing;
    }
    if (!IsConvertibleImage(path) || !(scale > 0.0 && scale <= 3.0)) {
        return TConvertResult::Unsupported;
    }
    cobrix::cpcl::LoadedImage source;
    if (cobrix::cpcl::loadImageFile(path, source) != 0 || source.width <= 0 || source.height <= 0) {
        return TConvertResult::Failed;
    }
    const int width = std::max(1, RoundHalfEven(source.width * scale));
    const int height = std::max(1, RoundHalfEven(source.height * scale));
    if (cobrix::cpcl::checkImageSize(width, height) != 0) {
        return TConvertResult::Failed;
    }
    image.width = width;
    image.height = height;
    const size_t rowBytes = static_cast<size_t>(image.RowBytes());
    image.rows.assign(rowBytes * static_cast<size_t>(height), 0);
    std::vector<int> sourceX(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        sourceX[static_cast<size_t>(x)] =
            std::min(source.width - 1, static_cast<int>((x + 0.5) * source.width / width));
    }
    for (int y = 0; y < height; ++y) {
        const int sy = std::min(source.height - 1, static_cast<int>((y + 0.5) * source.height / height));
        uint8_t* row = image.rows.data() + static_cast<size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (isBlack(source, sourceX[static_cast<size_t>(x)], sy)) {
                row[x / 8] = static_cast<uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
    return TConvertResult::Ok;
}

bool SaveMonoBmp(const std::string& path, const TMonoImage& image) {
    const size_t rowBytes = static_cast<size_t>(image.RowBytes());
    const size_t stride = (rowBytes + 3) / 4 * 4;
    const uint32_t dataLength = static_cast<uint32_t>(stride * static_cast<size_t>(image.height));
    std::vector<uint8_t> file = TsplBmpHeader(image.width, image.height, dataLength);
    file.reserve(file.size() + dataLength);
    for (int y = image.height - 1; y >= 0; --y) { // bottom-up, rows padded to 4 bytes
        const uint8_t* row = image.rows.data() + static_cast<size_t>(y) * rowBytes;
        for (size_t i = 0; i < stride; ++i) {
            file.push_back(i < rowBytes ? static_cast<uint8_t>(~row[i]) : 0);
        }
    }
    return WriteFileAtomic(path, std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
}

std::vector<uint8_t> PackImage(const TMonoImage& image) {
    const size_t rowBytes = static_cast<size_t>(image.RowBytes());
    const size_t bands = static_cast<size_t>((image.height + 7) / 8);
    std::vector<uint8_t> packed;
    packed.reserve(4 + rowBytes * bands * 8);
    putLe(packed, static_cast<uint32_t>(rowBytes), 2);
    putLe(packed, static_cast<uint32_t>(bands), 2);
    packed.insert(packed.end(), image.rows.begin(), image.rows.end());
    packed.resize(4 + rowBytes * bands * 8, 0);
    return packed;
}

std::string ZplGraphic(const std::string& name, const TMonoImage& image) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "~DGE:" + name + "," + std::to_string(image.rows.size()) + "," +
                       std::to_string(image.RowBytes()) + ",";
    text.reserve(text.size() + image.rows.size() * 3);
    for (uint8_t byte : image.rows) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
        text += ' ';
    }
    return text;
}

std::vector<uint8_t> TsplBmpHeader(int width, int height, uint32_t dataLength) {
    std::vector<uint8_t> header = {'B', 'M'};
    putLe(header, dataLength + 62, 4);
    putLe(header, 0, 4);
    putLe(header, 62, 4);
    putLe(header, 40, 4);
    putLe(header, static_cast<uint32_t>(width), 4);
    putLe(header, static_cast<uint32_t>(height), 4);
    putLe(header, 1, 2);
    putLe(header, 1, 2);
    putLe(header, 0, 4);
    putLe(header, dataLength, 4);
    putLe(header, 0, 4);
    putLe(header, 0, 4);
    putLe(header, 0, 4);
    putLe(header, 0, 4);
    putLe(header, 0x00000000, 4);
    putLe(header, 0x00FFFFFF, 4);
    return header;
}

std::string TsplGraphic(const std::string& name, const TMonoImage& image) {
    const size_t rowBytes = static_cast<size_t>(image.RowBytes());
    const auto unused = static_cast<uint8_t>(image.width % 8 == 0 ? 0 : 0xFF >> (image.width % 8));
    const std::vector<uint8_t> header =
        TsplBmpHeader(image.width, image.height, static_cast<uint32_t>(image.rows.size()));
    std::string text = "DOWNLOAD E,\"" + name + "\"," + std::to_string(image.rows.size() + 62) + ",";
    text.reserve(text.size() + header.size() + image.rows.size());
    text.append(header.begin(), header.end());
    for (size_t i = 0; i < image.rows.size(); ++i) {
        uint8_t byte = static_cast<uint8_t>(~image.rows[i]);
        if (i % rowBytes == rowBytes - 1) {
            byte |= unused;
        }
        text += static_cast<char>(byte);
    }
    return text;
}

} // namespace tolvane::download
