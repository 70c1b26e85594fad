#include "mdlArdelLength.h"

#include <cmath>

namespace tolvane::params {
namespace {

constexpr int kMaxDigits = 9;

// Dots per millimetre of a resolution; 0 for the integer rule of 203 dpi.
double DotsPerMm(std::string_view dpi) {
    if (dpi == "300") {
        return 11.8;
    }
    if (dpi == "600") {
        return 23.6;
    }
    return 0;
}

long RoundHalfEven(double value) {
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<long>(std::nearbyint(value));
}

} // namespace

std::optional<long> ParseSmallInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string DotsToMm(std::string_view dots, std::string_view dpi) {
    const std::optional<long> value = ParseSmallInteger(dots);
    if (!value) {
        return std::string(dots);
    }
    const double perMm = DotsPerMm(dpi);
    return std::to_string(perMm > 0 ? RoundHalfEven(static_cast<double>(*value) / perMm) : *value / 8);
}

std::string MmToDots(std::string_view mm, std::string_view dpi) {
    const std::optional<long> value = ParseSmallInteger(mm);
    if (!value) {
        return {};
    }
    const double perMm = DotsPerMm(dpi);
    return std::to_string(perMm > 0 ? RoundHalfEven(static_cast<double>(*value) * perMm) : *value * 8);
}

} // namespace tolvane::params
