// The text of each CPCL command line, with the range checks of its
// arguments. Every builder returns 0 with the command in `out`, -1 for an
// argument out of range, or -2 when the command would exceed its limit.
#pragma once

#include <cstddef>
#include <string>

namespace cobrix::cpcl {

// Longest command accepted: commands carrying caller text (text, barcodes,
// QR and PDF417 codes) and all the others.
inline constexpr size_t kTextCommandLimit = 510;
inline constexpr size_t kPlainCommandLimit = 254;

inline constexpr int kBarcodeTypeCount = 42;

int labelCommand(int offset, int height, int quantity, std::string& out);
int alignCommand(int align, std::string& out);
int textCommand(int rotation, int font, int size, int x, int y, const std::string& text, std::string& out);
int barcodeCommand(int vertical, int type, int width, int ratio, int height, int x, int y,
                   const std::string& data, std::string& out);
int barcodeTextCommand(int enable, int font, int size, int offset, std::string& out);
int qrCodeCommand(int vertical, int x, int y, int model, int unit, int level, const std::string& data,
                  std::string& out);
int pdf417Command(int vertical, int x, int y, int xd, int yd, int columns, int rows, int security,
                  const std::string& data, std::string& out);
int boxCommand(int x0, int y0, int x1, int y1, int width, std::string& out);
int lineCommand(int x0, int y0, int x1, int y1, int width, std::string& out);
int fontSizeCommand(int width, int height, std::string& out);
int densityCommand(int density, std::string& out);
int speedCommand(int speed, std::string& out);
int textSpacingCommand(int spacing, std::string& out);
int leftMarginCommand(int margin, std::string& out);
int textBoldCommand(int bold, std::string& out);
int textUnderlineCommand(int on, std::string& out);
int abortCommand(std::string& out);
int printCommand(std::string& out);
int nextLabelCommand(std::string& out);
int preFeedCommand(int amount, std::string& out);
int postFeedCommand(int amount, std::string& out);

} // namespace cobrix::cpcl
