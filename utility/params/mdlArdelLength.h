// Lengths of the print area of the Ardel printers: the printer keeps dots,
// the dialog shows millimetres. 8 dots a millimetre at 203 dpi, 11.8 at 300
// and 23.6 at 600 (rounded to the nearest, ties to even).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane::params {

// A whole number of at most nine digits with an optional leading "-".
std::optional<long> ParseSmallInteger(std::string_view text);

// Dots to millimetres (`CcC`). A text that is not a number is shown as it came.
std::string DotsToMm(std::string_view dots, std::string_view dpi);
// Millimetres to dots (`BbB`); empty for a text that is not a number.
std::string MmToDots(std::string_view mm, std::string_view dpi);

} // namespace tolvane::params
