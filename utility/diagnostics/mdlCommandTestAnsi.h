// Texts of the command pages in the ANSI code page: the Windows code page
// of the user-interface language (overridable in "Option.ini"), and the
// conversions between it and the UTF-8 texts the pages hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::diagnostics {

// The code page of a Windows language id: 2052 936, 1028 950, 1041 932,
// 1042 949, 1049 1251, any other 1252.
int AnsiCodePageOfLanguage(std::string_view languageId);
// The code page in use: key "AnsiCodePage" of section "Option" in
// "Option.ini" when it holds a number, else the code page of the
// user-interface language.
int UiAnsiCodePage();

// UTF-8 to the code page (65001: UTF-8 itself); a character the code page lacks (or an invalid
// UTF-8 sequence) becomes "?".
std::string Utf8ToAnsi(std::string_view text, int codePage);
// The code page's bytes to UTF-8; nothing when they are not a valid text
// of the code page.
std::optional<std::string> AnsiToUtf8(std::string_view bytes, int codePage);

// Whether iconv knows a Windows code page (65001 is UTF-8).
bool CodePageKnown(int codePage);

// Whether the bytes are a valid UTF-8 text.
bool IsValidUtf8(std::string_view bytes);

} // namespace tolvane::diagnostics
