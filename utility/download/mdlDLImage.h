// Images for the printer: the conversion of a picture file to one bit per
// pixel at a scale factor, and the three forms in which an image is sent
// (the packed image of the block transfer, the ZPL "~DGE:" graphic and the
// TSPL "DOWNLOAD" with a BMP header).
//
// Two-colour rule: a pixel prints black when its grey value is below 128
// (of 255), the nearest of black and white, as a printer driver does for
// line art and logos; transparent pixels count as white. 1-bit pictures
// keep their own black and white. Scaling samples the nearest source pixel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::download {

// A 1-bit image: rows of (width + 7) / 8 bytes, top row first, leftmost
// pixel in bit 7, bit 1 = black, unused low bits of a row's last byte 0.
struct TMonoImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rows;
    int RowBytes() const { return (width + 7) / 8; }
};

// The nearest integer, an exact half going to the even neighbour.
int RoundHalfEven(double value);

enum class TConvertResult { Ok, Missing, Unsupported, Failed };

// True for ".bmp", ".jpg", ".jpeg", ".png" and ".gif", in any letter case.
bool IsConvertibleImage(const std::string& path);

// Reads the picture and converts it at `scale`. On Ok `image` holds it.
TConvertResult ConvertImage(const std::string& path, double scale, TMonoImage& image);

// Writes `image` as a 1-bit BMP file (atomically).
bool SaveMonoBmp(const std::string& path, const TMonoImage& image);

// The packed image: bytes per row and 8-row bands (2 bytes each), then
// bands × 8 rows, the rows below the image 0.
std::vector<uint8_t> PackImage(const TMonoImage& image);

// "~DGE:NAME,TOTAL,ROW," and each byte as two upper-case hex digits and a
// space (bit 1 = black), no line end.
std::string ZplGraphic(const std::string& name, const TMonoImage& image);

// The 62-byte BMP header of the TSPL image route.
std::vector<uint8_t> TsplBmpHeader(int width, int height, uint32_t dataLength);

// DOWNLOAD E,"NAME",SIZE, the BMP header and the rows (bit 1 = white,
// unused bits 1, no padding).
std::string TsplGraphic(const std::string& name, const TMonoImage& image);

} // namespace tolvane::download
