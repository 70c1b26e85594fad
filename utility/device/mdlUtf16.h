// UTF-8 to UTF-16 for the texts handed to the SDK libraries.
#pragma once

#include <string>

namespace tolvane {

// Converts UTF-8 to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

} // namespace tolvane
