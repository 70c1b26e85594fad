// UTF-16 to UTF-8 for the texts the helper libraries hand back (the other
// direction is the device layer's Utf8ToUtf16). Invalid input becomes U+FFFD.
#pragma once

#include "mdlUtf16.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

std::string Utf8FromUtf16(std::u16string_view text);
// The zero-terminated text in a buffer of at most capacity characters (the
// whole buffer when no terminator is found in it).
std::string Utf8FromUtf16Buffer(const char16_t* buffer, std::size_t capacity);

} // namespace tolvane
