// The interface font of the current language ("_FontName", "_FontSize" in
// points, "_FontCharset"), shared by every window.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

struct TLangFont {
    std::string name;
    std::string size;    // as written in the language file
    std::string charset; // as written in the language file

    // The size in points; nullopt when missing, not a number or not in 1..200.
    std::optional<int> PointSize() const;
    // The character set number; nullopt when missing or not a number.
    std::optional<int> Charset() const;
};

// Reads the font of the current language.
TLangFont ReadLangFont();
// The shared font values every dialog applies (empty until loaded).
TLangFont SharedLangFont();
// Reads the font of the current language into the shared values.
void LoadSharedLangFont();
void SetSharedLangFont(const TLangFont& font);

} // namespace tolvane
