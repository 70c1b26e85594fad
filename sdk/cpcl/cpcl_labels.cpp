// The composition calls that queue one command line each.
#include "cpcl_api.h"
#include "cpcl_commands.h"
#include "cpcl_submit.h"

namespace cobrix::cpcl {
namespace {

using Texts = std::vector<std::string>;

// A command without caller text.
template <typename Build>
int submitFixed(PrinterHandle handle, Build build) {
    return submitCommand(handle, {}, [&](const Texts&, std::string& command) { return build(command); });
}

} // namespace

int addLabel(PrinterHandle handle, int offset, int height, int quantity) {
    return submitFixed(handle, [&](std::string& c) { return labelCommand(offset, height, quantity, c); });
}

int setAlign(PrinterHandle handle, int align) {
    return submitFixed(handle, [&](std::string& c) { return alignCommand(align, c); });
}

int addText(PrinterHandle handle, int rotation, int font, int size, int x, int y, const char16_t* text) {
    return submitCommand(handle, {text}, [&](const Texts& t, std::string& c) {
        return textCommand(rotation, font, size, x, y, t[0], c);
    });
}

int addBarCode(PrinterHandle handle, int vertical, int type, int width, int ratio, int height, int x, int y,
               const char16_t* data) {
    return submitCommand(handle, {data}, [&](const Texts& t, std::string& c) {
        return barcodeCommand(vertical, type, width, ratio, height, x, y, t[0], c);
    });
}

int addBarCodeText(PrinterHandle handle, int enable, int font, int size, int offset) {
    return submitFixed(handle,
                       [&](std::string& c) { return barcodeTextCommand(enable, font, size, offset, c); });
}

int addQrCode(PrinterHandle handle, int vertical, int x, int y, int model, int unit, int level,
              const char16_t* data) {
    return submitCommand(handle, {data}, [&](const Texts& t, std::string& c) {
        return qrCodeCommand(vertical, x, y, model, unit, level, t[0], c);
    });
}

int addPdf417(PrinterHandle handle, int vertical, int x, int y, int xd, int yd, int columns, int rows,
              int security, const char16_t* data) {
    return submitCommand(handle, {data}, [&](const Texts& t, std::string& c) {
        return pdf417Command(vertical, x, y, xd, yd, columns, rows, security, t[0], c);
    });
}

int addBox(PrinterHandle handle, int x0, int y0, int x1, int y1, int width) {
    return submitFixed(handle, [&](std::string& c) { return boxCommand(x0, y0, x1, y1, width, c); });
}

int addLine(PrinterHandle handle, int x0, int y0, int x1, int y1, int width) {
    return submitFixed(handle, [&](std::string& c) { return lineCommand(x0, y0, x1, y1, width, c); });
}

int setFontSize(PrinterHandle handle, int width, int height) {
    return submitFixed(handle, [&](std::string& c) { return fontSizeCommand(width, height, c); });
}

int setDensity(PrinterHandle handle, int density) {
    return submitFixed(handle, [&](std::string& c) { return densityCommand(density, c); });
}

int setSpeed(PrinterHandle handle, int speed) {
    return submitFixed(handle, [&](std::string& c) { return speedCommand(speed, c); });
}

int setTextSpacing(PrinterHandle handle, int spacing) {
    return submitFixed(handle, [&](std::string& c) { return textSpacingCommand(spacing, c); });
}

int setLeftMargin(PrinterHandle handle, int margin) {
    return submitFixed(handle, [&](std::string& c) { return leftMarginCommand(margin, c); });
}

int setTextBold(PrinterHandle handle, int bold) {
    return submitFixed(handle, [&](std::string& c) { return textBoldCommand(bold, c); });
}

int setTextUnderline(PrinterHandle handle, int on) {
    return submitFixed(handle, [&](std::string& c) { return textUnderlineCommand(on, c); });
}

int abort(PrinterHandle handle) {
    return submitFixed(handle, [](std::string& c) { return abortCommand(c); });
}

int print(PrinterHandle handle) {
    return submitFixed(handle, [](std::string& c) { return printCommand(c); });
}

int nextLabelPos(PrinterHandle handle) {
    return submitFixed(handle, [](std::string& c) { return nextLabelCommand(c); });
}

int preFeed(PrinterHandle handle, int amount) {
    return submitFixed(handle, [&](std::string& c) { return preFeedCommand(amount, c); });
}

int postFeed(PrinterHandle handle, int amount) {
    return submitFixed(handle, [&](std::string& c) { return postFeedCommand(amount, c); });
}

} // namespace cobrix::cpcl
