// Loading an image file of any supported format (BMP, PNG, JPEG, GIF),
// recognised by its content rather than its name.
#pragma once

#include "image_data.h"

#include <cstdint>
#include <span>
#include <string>

namespace cobrix::cpcl {

// Loads an image from the file's bytes. 0, or the reader's error (-21 for an
// unknown format or a broken file; -1, -25, -9 as the readers give them).
int loadImage(std::span<const uint8_t> file, LoadedImage& image);

// Reads a file (at most 256 MiB) and loads it; a missing or unreadable file
// gives -21.
int loadImageFile(const std::string& path, LoadedImage& image);

} // namespace cobrix::cpcl
