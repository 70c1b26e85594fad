// Hexadecimal text: two hexadecimal digits per byte, one space between pairs,
// surrounding spaces ignored ("5A 5A 0d 0a").
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// The number of space-separated pairs; 0 for an empty or blank text.
int HexCount(std::string_view text);

// Stores the value of pair i at buffer[start + i] for the first `count`
// pairs. A pair that is not exactly two characters long leaves its byte
// unchanged. False (nothing more stored) at a pair that is not hexadecimal or
// that would land outside the buffer.
bool HexToBytes(std::string_view text, int count, std::span<uint8_t> buffer, size_t start);

// For each byte of bytes[from..to) a space and its two upper-case digits, so
// the text begins with a space. The range is clipped to the bytes given.
std::string BytesToHex(std::span<const uint8_t> bytes, size_t from, size_t to);

// The non-zero bytes as characters, in order.
std::string BytesToText(std::span<const uint8_t> bytes);

} // namespace tolvane
