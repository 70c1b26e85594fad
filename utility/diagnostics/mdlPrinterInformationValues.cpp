#include "mdlPrinterInformationValues.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <locale>

namespace tolvane::diagnostics {

std::string ShortestNumber(double value, char decimalPoint) {
    // to_chars does not depend on the C locale, which the window toolkit sets.
    char text[64];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value == 0.0 ? 0.0 : value, std::chars_format::general, 15);
    std::string out(text, error == std::errc() ? end : text);
    for (char& c : out) {
        if (c == '.') {
            c = decimalPoint;
        }
    }
    return out;
}

char LocaleDecimalPoint() {
    try {
        const std::locale user("");
        const char point = std::use_facet<std::numpunct<char>>(user).decimal_point();
        return point != '\0' ? point : '.';
    } catch (const std::exception&) {
        // A locale the system does not have: the C locale's separator.
        return '.';
    }
}

std::optional<long long> MileageNumber(std::string_view reply) {
    const std::size_t first = reply.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t last = reply.find_last_not_of(" \t\r\n");
    std::string_view digits = reply.substr(first, last - first + 1);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    long long value = 0;
    const char* end = digits.data() + digits.size();
    const auto [at, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || at != end || digits.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string InchMileageText(long long inches, char decimalPoint) {
    const double metres = static_cast<double>(inches) * 2.54 / 100.0;
    return ShortestNumber(std::round(metres * 100.0) / 100.0, decimalPoint) + "m";
}

std::string MillimetreMileageText(long long millimetres, char decimalPoint) {
    const double metres = static_cast<double>(millimetres) / 1000.0;
    return ShortestNumber(std::round(metres * 1000.0) / 1000.0, decimalPoint) + "m";
}

int32_t JourneyNumber(std::span<const uint8_t, 4> bytes) {
    const uint32_t value = static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
                           static_cast<uint32_t>(bytes[2]) << 8 | static_cast<uint32_t>(bytes[3]);
    return static_cast<int32_t>(value);
}

std::string JourneyText(int32_t journey, bool millimetres, char decimalPoint) {
    const double n = journey;
    const double metres = millimetres ? n / 1000.0 : (n / 10.0 * 3.0) / 100.0;
    return ShortestNumber(metres, decimalPoint) + " (m)";
}

std::optional<std::string> VersionText(std::span<const uint8_t> bytes) {
    if (bytes.size() != 3 && bytes.size() != 4) {
        return std::nullopt;
    }
    std::string text =
        "V " + std::to_string(bytes[0]) + "." + std::to_string(bytes[1]) + "." + std::to_string(bytes[2]);
    if (bytes.size() == 4 && bytes[3] != 0) {
        text += ".Beta" + std::to_string(bytes[3]);
    }
    return text;
}

} // namespace tolvane::diagnostics
