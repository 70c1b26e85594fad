#include "emulator/core/bytes.h"

#include <algorithm>
#include <cstdio>

namespace emulator {

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

std::string textOf(ByteView bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string hexText(ByteView bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t byte : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string readableText(ByteView bytes) {
    std::string text = "\"";
    for (const uint8_t byte : bytes) {
        switch (byte) {
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\\':
            text += "\\\\";
            break;
        case '"':
            text += "\\\"";
            break;
        default:
            if (byte >= 0x20 && byte < 0x7F) {
                text += static_cast<char>(byte);
            } else {
                char escaped[5];
                std::snprintf(escaped, sizeof(escaped), "\\x%02X", byte);
                text += escaped;
            }
        }
    }
    text += '"';
    return text;
}

bool startsWith(ByteView bytes, ByteView prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

uint16_t readWordLe(ByteView bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

} // namespace emulator
