// Image file paths arrive as UTF-16; file names on this system are UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace cobrix::cpcl {

// Converts a zero-terminated UTF-16 path of at most `maxUnits` code units to
// UTF-8. False for a null or longer path or an unpaired surrogate.
bool utf16PathToUtf8(const char16_t* path, size_t maxUnits, std::string& out);

} // namespace cobrix::cpcl
