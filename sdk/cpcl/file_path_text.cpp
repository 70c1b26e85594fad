#include "file_path_text.h"

#include <cstdint>

namespace cobrix::cpcl {
namespace {

void appendUtf8(uint32_t cp, std::string& out) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isHigh(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

bool utf16PathToUtf8(const char16_t* path, size_t maxUnits, std::string& out) {
    out.clear();
    if (path == nullptr) {
        return false;
    }
    for (size_t i = 0; path[i] != 0; ++i) {
        if (i >= maxUnits) {
            return false;
        }
        const char16_t c = path[i];
        if (isLow(c)) {
            return false;
        }
        if (!isHigh(c)) {
            appendUtf8(c, out);
            continue;
        }
        if (!isLow(path[i + 1])) {
            return false;
        }
        appendUtf8(0x10000 + ((static_cast<uint32_t>(c) - 0xD800) << 10) + (path[i + 1] - 0xDC00u), out);
        ++i;
    }
    return true;
}

} // namespace cobrix::cpcl
