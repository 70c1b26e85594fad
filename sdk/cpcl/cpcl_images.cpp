// The composition calls that queue graphics: from an image file, and from a
// bitmap the caller already has.
#include "bitmap_conversion.h"
#include "cpcl_api.h"
#include "cpcl_submit.h"
#include "file_path_text.h"
#include "graphics_command.h"
#include "image_loader.h"
#include "result_codes.h"

namespace cobrix::cpcl {
namespace {

constexpr size_t kMaxPathUnits = 4096;

// Queues the graphics and sends the queue; the buffer is left as it was when
// the graphics cannot be queued.
int queueGraphics(CobrixPrinter& printer, int vertical, int widthBytes, int height, int x, int y,
                  const uint8_t* bitmap) {
    if (const int r = appendGraphics(printer.job, vertical, widthBytes, height, x, y, bitmap); r != kOk) {
        return r;
    }
    return sendQueued(printer);
}

} // namespace

int addImage(PrinterHandle handle, int vertical, int x, int y, const char16_t* path) {
    CobrixPrinter* printer = nullptr;
    if (const int r = openPrinter(handle, printer); r != kOk) {
        return r;
    }
    std::string file;
    if (!utf16PathToUtf8(path, kMaxPathUnits, file)) {
        return path == nullptr ? kBadParameter : kLoadImage;
    }
    if (const int r = checkCpclModel(*printer); r != kOk) {
        return r;
    }
    Bitmap bitmap;
    {
        LoadedImage image;
        if (const int r = loadImageFile(file, image); r != kOk) {
            return r;
        }
        if (const int r = convertToBitmap(image, bitmap); r != kOk) {
            return r;
        }
    }
    return queueGraphics(*printer, vertical, bitmap.widthBytes, bitmap.height, x, y, bitmap.bytes.data());
}

int addImageData(PrinterHandle handle, int vertical, int widthBytes, int height, int x, int y,
                 const unsigned char* bitmap) {
    CobrixPrinter* printer = nullptr;
    if (const int r = openPrinter(handle, printer); r != kOk) {
        return r;
    }
    if (const int r = checkCpclModel(*printer); r != kOk) {
        return r;
    }
    if (widthBytes < 0 || widthBytes > kMaxWidthBytes || height < 0) {
        return kBadParameter;
    }
    if (int64_t{widthBytes} * 8 * height > kMaxImagePixels) {
        return kImageTooLarge;
    }
    if (bitmap == nullptr && widthBytes != 0 && height != 0) {
        return kBadParameter;
    }
    return queueGraphics(*printer, vertical, widthBytes, height, x, y, bitmap);
}

} // namespace cobrix::cpcl
