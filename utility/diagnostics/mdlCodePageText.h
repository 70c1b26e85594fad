// Texts for the printer in a Windows code page: the conversion from the
// program's UTF-8 texts (through iconv) and the program's ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace tolvane::diagnostics {

inline constexpr int kCodePageUtf8 = 65001;

// The program's ANSI code page: "AnsiCodePage" of section "Option" in the
// option file when it holds a number, else the code page of the interface
// language (2052 → 936, 1028 → 950, 1041 → 932, 1042 → 949, 1049 → 1251,
// any other → 1252).
int AnsiCodePage();

// Whether iconv knows a Windows code page.
bool CodePageAvailable(int codePage);

// The bytes of a UTF-8 text in a Windows code page (65001 is UTF-8 itself).
// A character the code page lacks, and a byte that is not UTF-8, becomes
// "?". A code page that iconv does not know gives the text in the ANSI code
// page, and when that is unknown too, the text unchanged.
std::string ToCodePage(std::string_view utf8, int codePage);

} // namespace tolvane::diagnostics
