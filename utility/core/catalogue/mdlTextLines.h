// Plain text files of one entry per line (the company printer list, the
// printer list) and "|"-separated fields.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Text files longer than this are read only up to the last whole line
// within it.
inline constexpr std::size_t kMaxTextFileBytes = 4u * 1024u * 1024u;

// The lines of a UTF-8 text file that are not empty or blank, without their
// line ends ("\n" or "\r\n") but otherwise untrimmed. A UTF-8 byte-order mark
// at the start is skipped. A missing or unreadable file gives what was read
// so far, possibly nothing.
std::vector<std::string> ReadTextLines(const std::string& path);

// Splits text at every delimiter, keeping empty fields, the last one
// included ("a||b|" gives "a", "", "b", ""; "" gives one empty field).
std::vector<std::string> SplitFields(std::string_view text, char delimiter);

} // namespace tolvane
