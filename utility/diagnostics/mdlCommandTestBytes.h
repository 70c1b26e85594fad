// The conversions of the command test: a command page in hexadecimal
// format to the bytes it sends, bytes to the hexadecimal text the pages and
// the receive area show ("1B 40 "), and hexadecimal text back to the bytes
// of a text (double-byte characters kept together).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::diagnostics {

// The bytes of a command in hexadecimal format: every "0x" removed, line
// ends, tabs and commas read as spaces, each piece between spaces one byte
// (its hexadecimal value kept to the low 8 bits: "1FF" is FF, "4" is 04).
struct TSendBytes {
    std::vector<uint8_t> bytes;
    bool ok = true;
    int badIndex = -1;    // the index (from 0) of the first piece that is not hexadecimal
    std::string badPiece; // that piece
};
TSendBytes CreateSendByteArray(std::string_view commandText);

// Each byte as two upper-case hexadecimal digits followed by a space.
std::string BytesToHexText(std::span<const uint8_t> bytes);
std::string BytesToHexText(std::string_view bytes);

// The bytes of hexadecimal text switched to text format: the pieces between
// spaces in order, each read as hexadecimal (a character that is not a
// hexadecimal digit counts as 0); a value above 126 takes the next piece
// with it as the second byte of a double-byte character.
std::string HexTextToTextBytes(std::string_view hexText);

// A page's text as the printer gets it in text format: a line end alone
// ("\n", as the pages hold it) becomes CR LF; CR LF stays.
std::string WithCrLf(std::string_view text);
// The reverse for showing bytes in a page: CR LF becomes "\n".
std::string WithoutCr(std::string_view text);

// The exit checks of the two numeric edits: empty is "0"; the interval is
// at least 100 ms; the read length is 1 to 256.
inline constexpr int kMinIntervalMs = 100;
inline constexpr int kMaxReadLength = 256;
std::string CheckedInterval(std::string_view text);
std::string CheckedReadLength(std::string_view text);
// The numbers the sending uses, whatever the edits hold (the exit checks
// may not have run when the user sends).
int IntervalMs(std::string_view text);
int ReadLength(std::string_view text);

} // namespace tolvane::diagnostics
