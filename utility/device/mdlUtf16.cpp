#include "mdlUtf16.h"

#include <cstdint>

namespace tolvane {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one character at text[i], advancing i; U+FFFD for a bad sequence.
char32_t decodeOne(const std::string& text, size_t& i) {
    const auto lead = static_cast<uint8_t>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int trail = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        trail = 1;
        value = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        trail = 2;
        value = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        trail = 3;
        value = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return kReplacement;
    }
    for (int k = 0; k < trail; ++k) {
        if (i >= text.size() || (static_cast<uint8_t>(text[i]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        value = (value << 6) | (static_cast<uint8_t>(text[i++]) & 0x3Fu);
    }
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    return (value < minimum || value > 0x10FFFF || surrogate) ? kReplacement : value;
}

} // namespace

std::u16string Utf8ToUtf16(const std::string& text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const char32_t c = decodeOne(text, i);
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

} // namespace tolvane
