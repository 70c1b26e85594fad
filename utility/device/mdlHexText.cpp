#include "mdlHexText.h"

#include <algorithm>
#include <vector>

namespace tolvane {
namespace {

std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> pairsOf(std::string_view text) {
    std::vector<std::string_view> pairs;
    text = trimSpaces(text);
    if (text.empty()) {
        return pairs;
    }
    size_t start = 0;
    for (;;) {
        const size_t space = text.find(' ', start);
        pairs.push_back(
            text.substr(start, space == std::string_view::npos ? std::string_view::npos : space - start));
        if (space == std::string_view::npos) {
            return pairs;
        }
        start = space + 1;
    }
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

int HexCount(std::string_view text) {
    return static_cast<int>(pairsOf(text).size());
}

bool HexToBytes(std::string_view text, int count, std::span<uint8_t> buffer, size_t start) {
    const std::vector<std::string_view> pairs = pairsOf(text);
    const size_t n = std::min(pairs.size(), static_cast<size_t>(std::max(count, 0)));
    for (size_t i = 0; i < n; ++i) {
        const std::string_view pair = pairs[i];
        if (std::any_of(pair.begin(), pair.end(), [](char c) { return digitValue(c) < 0; })) {
            return false;
        }
        if (start + i >= buffer.size()) {
            return false;
        }
        if (pair.size() == 2) {
            buffer[start + i] = static_cast<uint8_t>(digitValue(pair[0]) * 16 + digitValue(pair[1]));
        }
    }
    return true;
}

std::string BytesToHex(std::span<const uint8_t> bytes, size_t from, size_t to) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (size_t i = from; i < std::min(to, bytes.size()); ++i) {
        text.push_back(' ');
        text.push_back(kDigits[bytes[i] >> 4]);
        text.push_back(kDigits[bytes[i] & 0x0F]);
    }
    return text;
}

std::string BytesToText(std::span<const uint8_t> bytes) {
    std::string text;
    for (const uint8_t b : bytes) {
        if (b != 0) {
            text.push_back(static_cast<char>(b));
        }
    }
    return text;
}

} // namespace tolvane
