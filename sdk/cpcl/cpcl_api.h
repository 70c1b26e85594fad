// The CPCL composition calls behind the exported CPCL_ functions. Each takes
// a printer handle whose port is open, queues one command in the handle's
// job buffer and sends everything queued.
#pragma once

#include "cobrix.h"

namespace cobrix::cpcl {

int addLabel(PrinterHandle handle, int offset, int height, int quantity);
int setAlign(PrinterHandle handle, int align);
int addText(PrinterHandle handle, int rotation, int font, int size, int x, int y, const char16_t* text);
int addBarCode(PrinterHandle handle, int vertical, int type, int width, int ratio, int height, int x, int y,
               const char16_t* data);
int addBarCodeText(PrinterHandle handle, int enable, int font, int size, int offset);
int addQrCode(PrinterHandle handle, int vertical, int x, int y, int model, int unit, int level,
              const char16_t* data);
int addPdf417(PrinterHandle handle, int vertical, int x, int y, int xd, int yd, int columns, int rows,
              int security, const char16_t* data);
int addBox(PrinterHandle handle, int x0, int y0, int x1, int y1, int width);
int addLine(PrinterHandle handle, int x0, int y0, int x1, int y1, int width);
int addImage(PrinterHandle handle, int vertical, int x, int y, const char16_t* path);
int addImageData(PrinterHandle handle, int vertical, int widthBytes, int height, int x, int y,
                 const unsigned char* bitmap);
int setFontSize(PrinterHandle handle, int width, int height);
int setDensity(PrinterHandle handle, int density);
int setSpeed(PrinterHandle handle, int speed);
int setTextSpacing(PrinterHandle handle, int spacing);
int setLeftMargin(PrinterHandle handle, int margin);
int setTextBold(PrinterHandle handle, int bold);
int setTextUnderline(PrinterHandle handle, int on);
int abort(PrinterHandle handle);
int print(PrinterHandle handle);
int nextLabelPos(PrinterHandle handle);
int preFeed(PrinterHandle handle, int amount);
int postFeed(PrinterHandle handle, int amount);

} // namespace cobrix::cpcl
