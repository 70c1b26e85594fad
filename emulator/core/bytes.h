#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace emulator {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

// The bytes of a text, one byte per character.
Bytes bytesOf(std::string_view text);

// The bytes as characters, one character per byte.
std::string textOf(ByteView bytes);

// Two upper-case hexadecimal digits per byte, separated by spaces ("1B 1C 26").
std::string hexText(ByteView bytes);

// The bytes as a readable quoted text: printable ASCII as it is, \r \n \t \\ \"
// escaped, every other byte as \xHH.
std::string readableText(ByteView bytes);

// True when `bytes` begins with `prefix`.
bool startsWith(ByteView bytes, ByteView prefix);

// Little-endian 16-bit value of bytes[at], bytes[at + 1].
uint16_t readWordLe(ByteView bytes, size_t at);

} // namespace emulator
