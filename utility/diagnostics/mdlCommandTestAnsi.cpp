#include "mdlCommandTestAnsi.h"

#include "mdlGlobal.h"
#include "mdlReadFilesIni.h"

#include <iconv.h>

#include <cerrno>
#include <charconv>
#include <map>
#include <mutex>
#include <utility>

namespace tolvane::diagnostics {
namespace {

// iconv's name of a Windows code page (65001 is UTF-8).
std::string CodePageName(int codePage) {
    return codePage == 65001 ? std::string("UTF-8") : "CP" + std::to_string(codePage);
}

// An iconv descriptor for one conversion, held for the program's life and
// used by one caller at a time. glibc loads a code page's converter module on
// the first open and unloads it when its last descriptor closes; opening and
// closing for every text would load the module again each time, and an
// unloaded module leaves stale thread-local storage behind that the leak
// checker of the sanitizer builds trips over.
class TIconv {
  public:
    TIconv(const std::string& to, const std::string& from) : lock_(Mutex()) {
        auto& cache = Cache();
        const auto key = std::make_pair(to, from);
        auto found = cache.find(key);
        if (found == cache.end()) {
            found = cache.emplace(key, iconv_open(to.c_str(), from.c_str())).first;
        }
        cd_ = found->second;
        if (Ok()) {
            iconv(cd_, nullptr, nullptr, nullptr, nullptr); // a fresh shift state
        }
    }
    TIconv(const TIconv&) = delete;
    TIconv& operator=(const TIconv&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

  private:
    static std::mutex& Mutex() {
        static std::mutex mutex;
        return mutex;
    }
    static std::map<std::pair<std::string, std::string>, iconv_t>& Cache() {
        // Never destroyed: descriptors stay open until the program ends.
        static auto* cache = new std::map<std::pair<std::string, std::string>, iconv_t>();
        return *cache;
    }

    std::unique_lock<std::mutex> lock_;
    iconv_t cd_;
};

// The length of the UTF-8 sequence that starts with `lead` (1 for a byte
// that cannot start one).
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    if (lead >= 0xC2) {
        return 2;
    }
    return 1;
}

} // namespace

int AnsiCodePageOfLanguage(std::string_view languageId) {
    if (languageId == "2052") {
        return 936;
    }
    if (languageId == "1028") {
        return 950;
    }
    if (languageId == "1041") {
        return 932;
    }
    if (languageId == "1042") {
        return 949;
    }
    if (languageId == "1049") {
        return 1251;
    }
    return 1252;
}

int UiAnsiCodePage() {
    const std::string configured = ReadFilesIni("Option.ini", "Option", "AnsiCodePage");
    int codePage = 0;
    const char* end = configured.data() + configured.size();
    if (const auto [at, error] = std::from_chars(configured.data(), end, codePage);
        error == std::errc() && at == end && codePage > 0 && codePage < 65536) {
        return codePage;
    }
    return AnsiCodePageOfLanguage(Globals().LanguageId);
}

std::string Utf8ToAnsi(std::string_view text, int codePage) {
    TIconv cd(CodePageName(codePage), "UTF-8");
    if (!cd.Ok()) {
        // An unknown code page: ASCII passes, everything else is "?".
        std::string out;
        for (std::size_t n = 0; n < text.size();
             n += Utf8SequenceLength(static_cast<unsigned char>(text[n]))) {
            out += static_cast<unsigned char>(text[n]) < 0x80 ? text[n] : '?';
        }
        return out;
    }
    std::string out;
    char buffer[256];
    std::size_t at = 0;
    while (at < text.size()) {
        char* in = const_cast<char*>(text.data() + at);
        std::size_t inLeft = text.size() - at;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        at = text.size() - inLeft;
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A character the code page lacks, or broken UTF-8: one "?".
            out += '?';
            at += Utf8SequenceLength(static_cast<unsigned char>(text[at]));
            iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

std::optional<std::string> AnsiToUtf8(std::string_view bytes, int codePage) {
    TIconv cd("UTF-8", CodePageName(codePage));
    if (!cd.Ok()) {
        return std::nullopt;
    }
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            return std::nullopt;
        }
    }
    return out;
}

bool CodePageKnown(int codePage) {
    return TIconv(CodePageName(codePage), "UTF-8").Ok();
}

bool IsValidUtf8(std::string_view bytes) {
    TIconv cd("UTF-16LE", "UTF-8");
    if (!cd.Ok()) {
        return false;
    }
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        if (iconv(cd.Get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) &&
            errno != E2BIG) {
            return false;
        }
    }
    return true;
}

} // namespace tolvane::diagnostics
