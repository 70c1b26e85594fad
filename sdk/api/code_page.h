// The ANSI code page of SDK texts and the conversions to and from UTF-16.
#pragma once

#include <string>

namespace cobrix {

// The Windows code page number of narrow texts: COBRIX_ANSI_CODEPAGE when
// set to a number, otherwise derived from the locale (LC_ALL, LC_MESSAGES,
// LANG): Chinese (China) 936, Chinese (Taiwan, Hong Kong) 950, Japanese 932,
// Korean 949, Russian, Ukrainian and Bulgarian 1251, anything else 1252.
int ansiCodePage();

// The primary language number of the user's locale (4 Chinese, 9 English,
// 17 Japanese, 18 Korean, 25 Russian, ...).
int userPrimaryLanguage();

// Converts a zero-terminated UTF-16 text of at most `maxUnits` code units
// (before the terminator) to the ANSI code page; characters that the code
// page lacks become "?". False when the text is null or longer.
bool utf16ToAnsi(const char16_t* text, size_t maxUnits, std::string& out);

// Converts UTF-8 to UTF-16 (invalid sequences become U+FFFD).
std::u16string utf8ToUtf16(const std::string& text);

} // namespace cobrix
