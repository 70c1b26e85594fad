// How the printer information shows what the printer answered: the print
// length from a mileage reply or the journey counter, the firmware version
// from the version bytes, numbers in the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tolvane::diagnostics {

// A number in its shortest decimal form (at most 15 significant digits, no
// trailing zeros, no grouping) with the decimal separator given.
std::string ShortestNumber(double value, char decimalPoint);
// The decimal separator of the user's locale ("." when it has none).
char LocaleDecimalPoint();

// The integer of a mileage reply (spaces around it allowed); nothing for
// any other reply.
std::optional<long long> MileageNumber(std::string_view reply);
// A mileage in inches: inches × 2.54 / 100, rounded to 2 decimals, and "m".
std::string InchMileageText(long long inches, char decimalPoint);
// A mileage in millimetres: millimetres / 1000, rounded to 3 decimals, and "m".
std::string MillimetreMileageText(long long millimetres, char decimalPoint);

// The journey counter: 4 bytes, a signed 32-bit big-endian number.
int32_t JourneyNumber(std::span<const uint8_t, 4> bytes);
// In millimetres (models listed under "JourneyMM"): n / 1000 and " (m)";
// otherwise (n / 10 × 3) / 100 and " (m)".
std::string JourneyText(int32_t journey, bool millimetres, char decimalPoint);

// The version bytes: 3 bytes a, b, c give "V a.b.c"; 4 bytes the same and,
// when the fourth is not 0, ".Beta" and the fourth; nothing for any other
// count.
std::optional<std::string> VersionText(std::span<const uint8_t> bytes);

} // namespace tolvane::diagnostics
