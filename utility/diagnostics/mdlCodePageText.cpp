#include "mdlCodePageText.h"

#include "mdlGlobal.h"
#include "mdlReadFilesIni.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <string>
#include <vector>

namespace tolvane::diagnostics {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

std::string IconvName(int codePage) {
    return codePage == kCodePageUtf8 ? std::string("UTF-8") : "CP" + std::to_string(codePage);
}

// The length of the UTF-8 sequence that starts with `lead` (1 for a byte
// that cannot start one).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    return lead >= 0xC2 && lead <= 0xDF ? 2 : 1;
}

bool Convert(std::string_view utf8, int codePage, std::string& out) {
    const iconv_t converter = iconv_open(IconvName(codePage).c_str(), "UTF-8");
    if (converter == kNoConverter) {
        return false;
    }
    out.clear();
    std::vector<char> area(utf8.size() * 4 + 16);
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        char* outPtr = area.data();
        std::size_t outLeft = area.size();
        const std::size_t done = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(area.data(), static_cast<std::size_t>(outPtr - area.data()));
        if (done != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            continue;
        }
        // A character the code page lacks, or bytes that are not UTF-8:
        // one "?" for the character, and on with the next.
        const std::size_t skip = std::min(inLeft, SequenceLength(static_cast<unsigned char>(*in)));
        out.push_back('?');
        in += skip;
        inLeft -= skip;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    char* outPtr = area.data();
    std::size_t outLeft = area.size();
    iconv(converter, nullptr, nullptr, &outPtr, &outLeft);
    out.append(area.data(), static_cast<std::size_t>(outPtr - area.data()));
    iconv_close(converter);
    return true;
}

} // namespace

int AnsiCodePage() {
    const std::string fixed = ReadFilesIni("Option.ini", "Option", "AnsiCodePage");
    int number = 0;
    if (const auto [end, error] = std::from_chars(fixed.data(), fixed.data() + fixed.size(), number);
        !fixed.empty() && error == std::errc() && end == fixed.data() + fixed.size() && number > 0) {
        return number;
    }
    const std::string& language = Globals().LanguageId;
    if (language == "2052") {
        return 936;
    }
    if (language == "1028") {
        return 950;
    }
    if (language == "1041") {
        return 932;
    }
    if (language == "1042") {
        return 949;
    }
    if (language == "1049") {
        return 1251;
    }
    return 1252;
}

bool CodePageAvailable(int codePage) {
    const iconv_t converter = iconv_open(IconvName(codePage).c_str(), "UTF-8");
    if (converter == kNoConverter) {
        return false;
    }
    iconv_close(converter);
    return true;
}

std::string ToCodePage(std::string_view utf8, int codePage) {
    std::string out;
    if (Convert(utf8, codePage, out) || Convert(utf8, AnsiCodePage(), out)) {
        return out;
    }
    return std::string(utf8);
}

} // namespace tolvane::diagnostics
