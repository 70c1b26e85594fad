// Turns a loaded image into the 1-bit printer bitmap: 1-bit images are
// copied (inverted when palette entry 1 is white), all others go through
// grey-scale Floyd-Steinberg error diffusion.
#pragma once

#include "image_data.h"

namespace cobrix::cpcl {

// 0; -1 wider than 999 bytes per row; -9 no memory.
int convertToBitmap(const LoadedImage& image, Bitmap& bitmap);

} // namespace cobrix::cpcl
