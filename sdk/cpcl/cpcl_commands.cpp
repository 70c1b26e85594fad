#include "cpcl_commands.h"

#include "result_codes.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

namespace cobrix::cpcl {
namespace {

constexpr std::array<const char*, kBarcodeTypeCount> kBarcodeTypes = {
    "128",        "128A",       "128B",        "128C",  "128E",   "39",      "39C",
    "93",         "CODABAR",    "CODABAR16",   "EAN13", "EAN132", "EAN135",  "EAN8",
    "EAN82",      "EAN85",      "F39",         "F39C",  "FIM",    "I2OF5",   "I2OF5C",
    "I2OF5G",     "INDUST2OF5", "INDUST2OF5C", "MSI",   "MSI10",  "MSI1010", "MSI1110",
    "NW7",        "NW7HEX",     "PLESSEY",     "PLUS2", "PLUS5",  "POSTNET", "UCCEAN128",
    "UCCEAN128E", "UPCA",       "UPCA2",       "UPCA5", "UPCE",   "UPCE2",   "UPCE5"};

bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// Formats one command of at most `limit` bytes into `out`; -2 when longer.
__attribute__((format(printf, 3, 4))) int format(std::string& out, size_t limit, const char* pattern, ...) {
    std::array<char, kTextCommandLimit + 1> text{};
    va_list args;
    va_start(args, pattern);
    const int length = std::vsnprintf(text.data(), std::min(limit + 1, text.size()), pattern, args);
    va_end(args);
    if (length < 0 || static_cast<size_t>(length) > limit) {
        out.clear();
        return kNoBuffer;
    }
    out.assign(text.data(), static_cast<size_t>(length));
    return kOk;
}

int numberCommand(const char* name, int value, int low, int high, std::string& out) {
    if (!inRange(value, low, high)) {
        return kBadParameter;
    }
    return format(out, kPlainCommandLimit, "%s %d\r\n", name, value);
}

} // namespace

int labelCommand(int offset, int height, int quantity, std::string& out) {
    return format(out, kPlainCommandLimit, "! %d 200 200 %d %d\r\n", offset, height, quantity);
}

int alignCommand(int align, std::string& out) {
    static constexpr std::array<const char*, 3> kNames = {"LEFT", "CENTER", "RIGHT"};
    if (!inRange(align, 0, 2)) {
        return kBadParameter;
    }
    return format(out, kPlainCommandLimit, "%s\r\n", kNames[static_cast<size_t>(align)]);
}

int textCommand(int rotation, int font, int size, int x, int y, const std::string& text, std::string& out) {
    static constexpr std::array<int, 9> kFonts = {1, 2, 3, 4, 7, 8, 20, 24, 55};
    static constexpr std::array<const char*, 4> kNames = {"TEXT", "TEXT90", "TEXT180", "TEXT270"};
    if (std::find(kFonts.begin(), kFonts.end(), font) == kFonts.end() || !inRange(size, 0, 7)) {
        return kBadParameter;
    }
    const char* name = inRange(rotation, 0, 3) ? kNames[static_cast<size_t>(rotation)] : kNames[0];
    return format(out, kTextCommandLimit, "%s %d %d %d %d %s\r\n", name, font, size, x, y, text.c_str());
}

int barcodeCommand(int vertical, int type, int width, int ratio, int height, int x, int y,
                   const std::string& data, std::string& out) {
    if (!inRange(type, 0, kBarcodeTypeCount - 1) || !(inRange(ratio, 0, 4) || inRange(ratio, 20, 30))) {
        return kBadParameter;
    }
    return format(out, kTextCommandLimit, "%s %s %d %d %d %d %d %s\r\n",
                  vertical != 0 ? "VBARCODE" : "BARCODE", kBarcodeTypes[static_cast<size_t>(type)], width,
                  ratio, height, x, y, data.c_str());
}

int barcodeTextCommand(int enable, int font, int size, int offset, std::string& out) {
    if (enable == 0) {
        return format(out, kPlainCommandLimit, "BARCODE-TEXT OFF\r\n");
    }
    return format(out, kPlainCommandLimit, "BARCODE-TEXT %d %d %d\r\n", font, size, offset);
}

int qrCodeCommand(int vertical, int x, int y, int model, int unit, int level, const std::string& data,
                  std::string& out) {
    static constexpr std::array<char, 4> kLevels = {'L', 'M', 'Q', 'H'};
    if (model != 1 && model != 2) {
        return kBadParameter;
    }
    const char letter = inRange(level, 0, 3) ? kLevels[static_cast<size_t>(level)] : 'H';
    return format(out, kTextCommandLimit, "%s %d %d M %d U %d \r\n%c,%s\r\nENDQR\r\n",
                  vertical != 0 ? "VB QR" : "B QR", x, y, model, unit, letter, data.c_str());
}

int pdf417Command(int vertical, int x, int y, int xd, int yd, int columns, int rows, int security,
                  const std::string& data, std::string& out) {
    if (!inRange(columns, 1, 30) || !inRange(rows, 0, 90) || !inRange(security, 0, 8)) {
        return kBadParameter;
    }
    return format(out, kTextCommandLimit,
                  "%sBARCODE PDF-417 %d %d XD %d YD %d C %d R %d S %d B0\r\n%s\r\nENDPDF\r\n",
                  vertical != 0 ? "V" : "", x, y, xd, yd, columns, rows, security, data.c_str());
}

int boxCommand(int x0, int y0, int x1, int y1, int width, std::string& out) {
    return format(out, kPlainCommandLimit, "BOX %d %d %d %d %d\r\n", x0, y0, x1, y1, width);
}

int lineCommand(int x0, int y0, int x1, int y1, int width, std::string& out) {
    return format(out, kPlainCommandLimit, "LINE %d %d %d %d %d\r\n", x0, y0, x1, y1, width);
}

int fontSizeCommand(int width, int height, std::string& out) {
    if (!inRange(width, 0, 16) || !inRange(height, 0, 127)) {
        return kBadParameter;
    }
    return format(out, kPlainCommandLimit, "SETMAG %d %d\r\n", width, height);
}

int densityCommand(int density, std::string& out) {
    return numberCommand("CONTRAST", density, 0, 3, out);
}

int speedCommand(int speed, std::string& out) {
    return numberCommand("SPEED", speed, 0, 5, out);
}

int textSpacingCommand(int spacing, std::string& out) {
    return numberCommand("SETSP", spacing, 0, 999, out);
}

int leftMarginCommand(int margin, std::string& out) {
    return numberCommand("LMARGIN", margin, 0, 999, out);
}

int textBoldCommand(int bold, std::string& out) {
    return numberCommand("SETBOLD", bold, 0, 5, out);
}

int textUnderlineCommand(int on, std::string& out) {
    return format(out, kPlainCommandLimit, "UNDERLINE %s\r\n", on != 0 ? "ON" : "OFF");
}

int abortCommand(std::string& out) {
    return format(out, kPlainCommandLimit, "ABORT\r\n");
}

int printCommand(std::string& out) {
    return format(out, kPlainCommandLimit, "PRINT\r\n");
}

int nextLabelCommand(std::string& out) {
    return format(out, kPlainCommandLimit, "FORM\r\n");
}

int preFeedCommand(int amount, std::string& out) {
    return numberCommand("PREFEED", amount, -4000, 4000, out);
}

int postFeedCommand(int amount, std::string& out) {
    return numberCommand("POSTFEED", amount, -4000, 4000, out);
}

} // namespace cobrix::cpcl
