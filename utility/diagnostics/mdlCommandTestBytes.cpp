#include "mdlCommandTestBytes.h"

#include <algorithm>
#include <cstdint>

namespace tolvane::diagnostics {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool IsSpace(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : text) {
        if (IsSpace(c)) {
            if (!piece.empty()) {
                pieces.push_back(std::move(piece));
                piece.clear();
            }
        } else {
            piece += c;
        }
    }
    if (!piece.empty()) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// The value of a decimal text; nothing for anything else (a sign, spaces,
// letters, more digits than an int holds).
bool DecimalValue(std::string_view text, long long& value) {
    if (text.empty() || text.size() > 12 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

TSendBytes CreateSendByteArray(std::string_view commandText) {
    std::string text;
    text.reserve(commandText.size());
    for (std::size_t n = 0; n < commandText.size(); ++n) {
        if (commandText[n] == '0' && n + 1 < commandText.size() && commandText[n + 1] == 'x') {
            ++n;
        } else {
            text += commandText[n] == ',' ? ' ' : commandText[n];
        }
    }
    TSendBytes result;
    const std::vector<std::string> pieces = Pieces(text);
    result.bytes.assign(pieces.size(), 0);
    for (std::size_t n = 0; n < pieces.size(); ++n) {
        unsigned value = 0;
        for (const char c : pieces[n]) {
            const int digit = HexDigit(c);
            if (digit < 0) {
                result.ok = false;
                result.badIndex = static_cast<int>(n);
                result.badPiece = pieces[n];
                return result;
            }
            // Only the low 8 bits count, so the digits before the last two
            // cannot change the byte.
            value = ((value << 4) | static_cast<unsigned>(digit)) & 0xFFu;
        }
        result.bytes[n] = static_cast<uint8_t>(value);
    }
    return result;
}

std::string BytesToHexText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
        text += ' ';
    }
    return text;
}

std::string BytesToHexText(std::string_view bytes) {
    return BytesToHexText(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::string HexTextToTextBytes(std::string_view hexText) {
    const std::vector<std::string> pieces = Pieces(hexText);
    const auto valueOf = [](const std::string& piece) {
        unsigned value = 0;
        for (const char c : piece) {
            const int digit = HexDigit(c);
            value = (value << 4 | static_cast<unsigned>(digit < 0 ? 0 : digit)) & 0xFFFFu;
        }
        return value;
    };
    std::string bytes;
    for (std::size_t n = 0; n < pieces.size(); ++n) {
        const unsigned value = valueOf(pieces[n]);
        bytes += static_cast<char>(value & 0xFFu);
        if (value > 126 && n + 1 < pieces.size()) {
            bytes += static_cast<char>(valueOf(pieces[++n]) & 0xFFu);
        }
    }
    return bytes;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (text[n] == '\n' && (n == 0 || text[n - 1] != '\r')) {
            out += '\r';
        }
        out += text[n];
    }
    return out;
}

std::string WithoutCr(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n) {
        if (!(text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n')) {
            out += text[n];
        }
    }
    return out;
}

std::string CheckedInterval(std::string_view text) {
    long long value = 0;
    if (text.empty() || (DecimalValue(text, value) && value < kMinIntervalMs)) {
        return std::to_string(kMinIntervalMs);
    }
    return std::string(text);
}

std::string CheckedReadLength(std::string_view text) {
    long long value = 0;
    if (text.empty() || (DecimalValue(text, value) && value <= 0)) {
        return "1";
    }
    if (DecimalValue(text, value) && value > kMaxReadLength) {
        return std::to_string(kMaxReadLength);
    }
    return std::string(text);
}

int IntervalMs(std::string_view text) {
    long long value = 0;
    if (!DecimalValue(text, value)) {
        return kMinIntervalMs;
    }
    return static_cast<int>(std::clamp<long long>(value, kMinIntervalMs, 999999));
}

int ReadLength(std::string_view text) {
    long long value = 0;
    if (!DecimalValue(text, value)) {
        return 1;
    }
    return static_cast<int>(std::clamp<long long>(value, 1, kMaxReadLength));
}

} // namespace tolvane::diagnostics
