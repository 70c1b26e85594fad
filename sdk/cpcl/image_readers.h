// One reader per image file format. Each fills `image` from the whole file
// content and returns 0; -21 when the file is not a readable image of its
// format (including truncated files); -1 wider than 7992 dots; -25 over the
// pixel cap; -9 no memory. No reader takes memory for pixels before the
// declared size passed checkImageSize.
#pragma once

#include "image_data.h"

#include <cstdint>
#include <span>

namespace cobrix::cpcl {

int readBmp(std::span<const uint8_t> file, LoadedImage& image);
int readPng(std::span<const uint8_t> file, LoadedImage& image);
int readJpeg(std::span<const uint8_t> file, LoadedImage& image);
int readGif(std::span<const uint8_t> file, LoadedImage& image);

} // namespace cobrix::cpcl
