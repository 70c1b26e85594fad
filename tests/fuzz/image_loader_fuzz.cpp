// Fuzz entry for the image loaders: any bytes as an image file (BMP, PNG,
// JPEG, GIF, recognised by content), then the conversion to a printer
// bitmap. Every input must end in an error code or a consistent image.
#include "bitmap_conversion.h"
#include "image_loader.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace cobrix::cpcl;
    LoadedImage image;
    if (loadImage(std::span<const uint8_t>(data, size), image) != 0) {
        return 0;
    }
    const int64_t pixels = int64_t{image.width} * image.height;
    const size_t rowBytes = image.oneBit ? static_cast<size_t>(rowBytesOf(image.width)) : size_t(image.width);
    if (image.width <= 0 || image.height <= 0 || image.width > kMaxImageWidth || pixels > kMaxImagePixels ||
        image.pixels.size() != rowBytes * static_cast<size_t>(image.height)) {
        __builtin_trap(); // a loaded image always has the size it claims, within the caps
    }
    Bitmap bitmap;
    if (convertToBitmap(image, bitmap) != 0 || bitmap.height != image.height ||
        bitmap.widthBytes != rowBytesOf(image.width) ||
        bitmap.bytes.size() != static_cast<size_t>(bitmap.widthBytes) * static_cast<size_t>(bitmap.height)) {
        __builtin_trap(); // every loaded image converts
    }
    return 0;
}
