// The exported CPCL_ entry points of libcobrix.so.
#include "cobrix.h"

#include "cpcl_api.h"

using namespace cobrix;

extern "C" {

COBRIX_API int CPCL_AddLabel(PrinterHandle handle, int offset, int height, int quantity) {
    return cpcl::addLabel(handle, offset, height, quantity);
}

COBRIX_API int CPCL_SetAlign(PrinterHandle handle, int align) {
    return cpcl::setAlign(handle, align);
}

COBRIX_API int CPCL_AddText(PrinterHandle handle, int rotation, int font, int size, int x, int y,
                            const char16_t* text) {
    return cpcl::addText(handle, rotation, font, size, x, y, text);
}

COBRIX_API int CPCL_AddBarCode(PrinterHandle handle, int vertical, int type, int width, int ratio, int height,
                               int x, int y, const char16_t* data) {
    return cpcl::addBarCode(handle, vertical, type, width, ratio, height, x, y, data);
}

COBRIX_API int CPCL_AddBarCodeText(PrinterHandle handle, int enable, int font, int size, int offset) {
    return cpcl::addBarCodeText(handle, enable, font, size, offset);
}

COBRIX_API int CPCL_AddQRCode(PrinterHandle handle, int vertical, int x, int y, int model, int unit,
                              int level, const char16_t* data) {
    return cpcl::addQrCode(handle, vertical, x, y, model, unit, level, data);
}

COBRIX_API int CPCL_AddPDF417(PrinterHandle handle, int vertical, int x, int y, int xd, int yd, int columns,
                              int rows, int security, const char16_t* data) {
    return cpcl::addPdf417(handle, vertical, x, y, xd, yd, columns, rows, security, data);
}

COBRIX_API int CPCL_AddBox(PrinterHandle handle, int x0, int y0, int x1, int y1, int width) {
    return cpcl::addBox(handle, x0, y0, x1, y1, width);
}

COBRIX_API int CPCL_AddLine(PrinterHandle handle, int x0, int y0, int x1, int y1, int width) {
    return cpcl::addLine(handle, x0, y0, x1, y1, width);
}

COBRIX_API int CPCL_AddImage(PrinterHandle handle, int vertical, int x, int y, const char16_t* path) {
    return cpcl::addImage(handle, vertical, x, y, path);
}

COBRIX_API int CPCL_AddImageData(PrinterHandle handle, int vertical, int width_bytes, int height, int x,
                                 int y, const unsigned char* bitmap) {
    return cpcl::addImageData(handle, vertical, width_bytes, height, x, y, bitmap);
}

COBRIX_API int CPCL_SetFontSize(PrinterHandle handle, int width, int height) {
    return cpcl::setFontSize(handle, width, height);
}

COBRIX_API int CPCL_SetDensity(PrinterHandle handle, int density) {
    return cpcl::setDensity(handle, density);
}

COBRIX_API int CPCL_SetSpeed(PrinterHandle handle, int speed) {
    return cpcl::setSpeed(handle, speed);
}

COBRIX_API int CPCL_SetTextSpacing(PrinterHandle handle, int spacing) {
    return cpcl::setTextSpacing(handle, spacing);
}

COBRIX_API int CPCL_SetLeftMargin(PrinterHandle handle, int margin) {
    return cpcl::setLeftMargin(handle, margin);
}

COBRIX_API int CPCL_SetTextBold(PrinterHandle handle, int bold) {
    return cpcl::setTextBold(handle, bold);
}

COBRIX_API int CPCL_SetTextUnderline(PrinterHandle handle, int on) {
    return cpcl::setTextUnderline(handle, on);
}

COBRIX_API int CPCL_Abort(PrinterHandle handle) {
    return cpcl::abort(handle);
}

COBRIX_API int CPCL_Print(PrinterHandle handle) {
    return cpcl::print(handle);
}

COBRIX_API int CPCL_NextLabelPos(PrinterHandle handle) {
    return cpcl::nextLabelPos(handle);
}

COBRIX_API int CPCL_PreFeed(PrinterHandle handle, int amount) {
    return cpcl::preFeed(handle, amount);
}

COBRIX_API int CPCL_PostFeed(PrinterHandle handle, int amount) {
    return cpcl::postFeed(handle, amount);
}

} // extern "C"
