#include "code_page.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <map>
#include <mutex>
#include <string_view>

namespace cobrix {
namespace {

std::string_view localeName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return "C";
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

const iconv_t kNoConversion = reinterpret_cast<iconv_t>(-1);

std::mutex& conversionMutex() {
    static std::mutex mutex;
    return mutex;
}

// The conversion from UTF-16 to a code page, opened once and kept for the
// process's life (callers hold conversionMutex()). glibc unloads a code
// page's converter module when its last descriptor closes; opening and
// closing for every name would load it again each time, and an unloaded
// module leaves stale thread-local storage behind that the sanitizer
// builds' leak checker trips over. The library is linked -z nodelete, so
// these stay reachable even after a dlclose.
iconv_t fromUtf16(int codePage) {
    static auto* opened = new std::map<int, iconv_t>(); // never destroyed
    const auto found = opened->find(codePage);
    if (found != opened->end()) {
        return found->second;
    }
    const std::string target = "CP" + std::to_string(codePage);
    return opened->emplace(codePage, iconv_open(target.c_str(), "UTF-16LE")).first->second;
}

// UTF-16 code units of one character at text[i] (2 for a valid surrogate pair).
size_t unitsOfCharacter(const char16_t* text, size_t i, size_t count) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        return 2;
    }
    return 1;
}

} // namespace

int ansiCodePage() {
    if (const char* fixed = std::getenv("COBRIX_ANSI_CODEPAGE"); fixed != nullptr) {
        const int value = std::atoi(fixed);
        if (value > 0) {
            return value;
        }
    }
    const std::string_view locale = localeName();
    if (startsWith(locale, "zh_TW") || startsWith(locale, "zh_HK") || startsWith(locale, "zh_MO")) {
        return 950;
    }
    if (startsWith(locale, "zh")) {
        return 936;
    }
    if (startsWith(locale, "ja")) {
        return 932;
    }
    if (startsWith(locale, "ko")) {
        return 949;
    }
    if (startsWith(locale, "ru") || startsWith(locale, "uk") || startsWith(locale, "bg")) {
        return 1251;
    }
    return 1252;
}

int userPrimaryLanguage() {
    struct Entry {
        const char* prefix;
        int language;
    };
    static constexpr Entry kLanguages[] = {{"zh", 4},  {"ja", 17}, {"ko", 18}, {"ru", 25}, {"de", 7},
                                           {"fr", 12}, {"es", 10}, {"it", 16}, {"pt", 22}, {"en", 9}};
    const std::string_view locale = localeName();
    for (const Entry& e : kLanguages) {
        if (startsWith(locale, e.prefix)) {
            return e.language;
        }
    }
    return 9;
}

bool utf16ToAnsi(const char16_t* text, size_t maxUnits, std::string& out) {
    out.clear();
    if (text == nullptr) {
        return false;
    }
    size_t count = 0;
    while (text[count] != 0) {
        if (++count > maxUnits) {
            return false;
        }
    }
    const std::lock_guard<std::mutex> lock(conversionMutex());
    iconv_t cd = fromUtf16(ansiCodePage());
    if (cd == kNoConversion) {
        cd = fromUtf16(1252);
    }
    if (cd == kNoConversion) {
        return false;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr); // a fresh shift state
    size_t i = 0;
    while (i < count) {
        const size_t units = unitsOfCharacter(text, i, count);
        char16_t unit[2] = {text[i], units == 2 ? text[i + 1] : u'\0'};
        char bytes[8];
        char* in = reinterpret_cast<char*>(unit);
        size_t inLeft = units * sizeof(char16_t);
        char* outPtr = bytes;
        size_t outLeft = sizeof(bytes);
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            out.push_back('?');
        } else {
            out.append(bytes, static_cast<size_t>(outPtr - bytes));
        }
        i += units;
    }
    return true;
}

std::u16string utf8ToUtf16(const std::string& text) {
    std::u16string out;
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        uint32_t cp = 0xFFFD;
        size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
        }
        if (len > 1) {
            if (i + len > text.size()) {
                len = 1;
            } else {
                cp = c & (0x7Fu >> len);
                for (size_t k = 1; k < len; ++k) {
                    const auto cc = static_cast<unsigned char>(text[i + k]);
                    if ((cc & 0xC0) != 0x80) {
                        cp = 0xFFFD;
                        len = k;
                        break;
                    }
                    cp = (cp << 6) | (cc & 0x3Fu);
                }
            }
        }
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp > 0xFFFF ? 0xFFFD : cp));
        }
        i += len;
    }
    return out;
}

} // namespace cobrix
