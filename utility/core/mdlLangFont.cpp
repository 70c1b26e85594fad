#include "mdlLangFont.h"

#include "mdlGetLangText.h"
#include "mdlIniDocument.h"

#include <charconv>
#include <mutex>

namespace tolvane {
namespace {

std::mutex g_fontMutex;
TLangFont g_sharedFont;

std::optional<int> ParseInt(const std::string& text, int minimum, int maximum) {
    const std::string_view trimmed = IniTrim(text);
    int value = 0;
    const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size() ||
        value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<int> TLangFont::PointSize() const {
    return ParseInt(size, 1, 200);
}
std::optional<int> TLangFont::Charset() const {
    return ParseInt(charset, 0, 255);
}

TLangFont ReadLangFont() {
    return TLangFont{GetLangText("_FontName"), GetLangText("_FontSize"), GetLangText("_FontCharset")};
}

TLangFont SharedLangFont() {
    std::lock_guard lock(g_fontMutex);
    return g_sharedFont;
}

void LoadSharedLangFont() {
    SetSharedLangFont(ReadLangFont());
}

void SetSharedLangFont(const TLangFont& font) {
    std::lock_guard lock(g_fontMutex);
    g_sharedFont = font;
}

} // namespace tolvane
