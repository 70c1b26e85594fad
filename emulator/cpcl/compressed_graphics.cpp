#include "emulator/cpcl/compressed_graphics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace emulator::cpcl {
namespace {

constexpr std::string_view kWord = "COMPRESSED-GRAPHICS ";
constexpr size_t kMaxNumberDigits = 11;

// Whether the head of `bytes` is `word`, or could still become it.
FrameScan::Verdict matchPrefix(ByteSpan bytes, std::string_view word) {
    const size_t n = std::min(bytes.size(), word.size());
    for (size_t i = 0; i < n; ++i) {
        if (bytes[i] != static_cast<uint8_t>(word[i])) {
            return FrameScan::Verdict::NoMatch;
        }
    }
    return n == word.size() ? FrameScan::Verdict::Complete : FrameScan::Verdict::NeedMore;
}

// Reads a decimal number ended by a space at bytes[at...]; advances `at`
// past the space. NeedMore when the bytes end first.
FrameScan::Verdict readNumber(ByteSpan bytes, size_t& at, bool mayBeNegative, long long& value) {
    const size_t start = at;
    bool negative = false;
    value = 0;
    if (at < bytes.size() && bytes[at] == '-' && mayBeNegative) {
        negative = true;
        ++at;
    }
    const size_t digitsStart = at;
    while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') {
        if (at - digitsStart >= kMaxNumberDigits) {
            return FrameScan::Verdict::NoMatch;
        }
        value = value * 10 + (bytes[at] - '0');
        ++at;
    }
    if (at == bytes.size()) {
        at = start;
        return FrameScan::Verdict::NeedMore;
    }
    if (at == digitsStart || bytes[at] != ' ') {
        return FrameScan::Verdict::NoMatch;
    }
    ++at;
    value = negative ? -value : value;
    return FrameScan::Verdict::Complete;
}

} // namespace

FrameScan scanGraphicsHeader(ByteSpan bytes, GraphicsHeader& header) {
    header = GraphicsHeader{};
    size_t at = 0;
    if (!bytes.empty() && bytes[0] == 'V') {
        header.vertical = true;
        at = 1;
    }
    switch (matchPrefix(bytes.subspan(at), kWord)) {
    case FrameScan::Verdict::NoMatch:
        return FrameScan::noMatch();
    case FrameScan::Verdict::NeedMore:
        return FrameScan::needMore();
    case FrameScan::Verdict::Complete:
        break;
    }
    at += kWord.size();
    std::array<long long, 4> numbers{};
    for (size_t i = 0; i < numbers.size(); ++i) {
        const FrameScan::Verdict v = readNumber(bytes, at, i >= 2, numbers[i]);
        if (v != FrameScan::Verdict::Complete) {
            return {v, 0};
        }
    }
    const long long width = numbers[0];
    const long long height = numbers[1];
    if (width > 999 || height > static_cast<long long>(kMaxGraphicsBytes) ||
        (width > 0 && height > static_cast<long long>(kMaxGraphicsBytes) / width) || numbers[2] < INT32_MIN ||
        numbers[2] > INT32_MAX || numbers[3] < INT32_MIN || numbers[3] > INT32_MAX) {
        return FrameScan::noMatch();
    }
    header.widthBytes = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.x = static_cast<int>(numbers[2]);
    header.y = static_cast<int>(numbers[3]);
    header.length = at;
    return FrameScan::complete(at + static_cast<size_t>(width * height));
}

bool Graphic::black(int column, int row) const {
    if (column < 0 || row < 0 || column >= widthDots() || row >= header.height) {
        return false;
    }
    const uint8_t byte = bitmap[static_cast<size_t>(row) * static_cast<size_t>(header.widthBytes) +
                                static_cast<size_t>(column / 8)];
    return (byte >> (7 - column % 8) & 1) != 0;
}

std::vector<uint8_t> Graphic::dots() const {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(widthDots()) * static_cast<size_t>(header.height));
    for (int row = 0; row < header.height; ++row) {
        for (int column = 0; column < widthDots(); ++column) {
            out.push_back(black(column, row) ? 1 : 0);
        }
    }
    return out;
}

std::optional<Graphic> decodeGraphics(ByteSpan frame) {
    Graphic graphic;
    const FrameScan scan = scanGraphicsHeader(frame, graphic.header);
    if (scan.verdict != FrameScan::Verdict::Complete || scan.length != frame.size()) {
        return std::nullopt;
    }
    graphic.bitmap.assign(frame.begin() + static_cast<std::ptrdiff_t>(graphic.header.length), frame.end());
    return graphic;
}

} // namespace emulator::cpcl
