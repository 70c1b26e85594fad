#include "image_data.h"

#include "result_codes.h"

#include <new>

namespace cobrix::cpcl {

int checkImageSize(int64_t width, int64_t height) {
    if (width <= 0 || height <= 0) {
        return kLoadImage;
    }
    if (width > kMaxImageWidth) {
        return kBadParameter;
    }
    if (height > kMaxImagePixels / width) {
        return kImageTooLarge;
    }
    return kOk;
}

int allocatePixels(LoadedImage& image, int width, int height, bool oneBit) {
    if (const int r = checkImageSize(width, height); r != kOk) {
        return r;
    }
    image.width = width;
    image.height = height;
    image.oneBit = oneBit;
    const size_t rowBytes = oneBit ? static_cast<size_t>(rowBytesOf(width)) : static_cast<size_t>(width);
    try {
        image.pixels.assign(rowBytes * static_cast<size_t>(height), 0);
    } catch (const std::bad_alloc&) {
        return kNoMemory;
    }
    return kOk;
}

} // namespace cobrix::cpcl
