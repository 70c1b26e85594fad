// The numbered keys of the private command channel: a group byte and a
// 16-bit identifier, with values of up to 255 bytes.
//
// The set operations and KeyGetText run on the caller's open port; the other
// reads are one-shot (they open and close the selected printer's port).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Writes `length` bytes of `text` (cut to that length or padded with zero
// bytes; lower-cased when `lower`). 0 or -1; -1 without sending when
// `length` is outside 0..255.
int KeySetText(uint8_t group, uint16_t id, std::string_view text, int length, bool lower);
// Writes one byte. 0 or -1.
int KeySetByte(uint8_t group, uint16_t id, uint8_t value);
// Writes two bytes: the value's low byte, then the value divided by 256
// (rounded toward zero) as the high byte. For 0 to 32767 this is the plain
// little-endian form; use KeySetWordSigned for negative values. 0 or -1.
int KeySetWord(uint8_t group, uint16_t id, int value);
// Writes the value's 16-bit two's complement, low byte first. 0 or -1.
int KeySetWordSigned(uint8_t group, uint16_t id, int value);
// Writes the bytes as the value. 0 or -1; -1 without sending for more than 255.
int KeySetBytes(uint8_t group, uint16_t id, std::span<const uint8_t> bytes);

// Asks for a text value of `length` bytes and collects the reply up to its
// zero byte after 50 ms; the non-zero bytes of the first 128 bytes. Empty
// when no zero byte arrived.
std::string KeyGetText(uint8_t group, uint16_t id, uint8_t length);

// Reads one byte after 50 ms into `value`. One-shot unless `wrap` is false.
// The count read (1); -1 when the write or the read failed; 0 when the open failed.
int KeyGetByte(uint8_t group, uint16_t id, uint8_t& value, bool wrap = true);
// Reads two bytes after 50 ms as a signed 16-bit number, low byte first.
// One-shot. The count read; -1 when the write or the read failed; 0 when the
// open failed.
int KeyGetWord(uint8_t group, uint16_t id, int16_t& value);
// Reads `n` bytes after 60 ms. One-shot. n when exactly n bytes came; -1 when
// the write or the read failed; otherwise 0 (also when the open failed).
int KeyGetBytes(uint8_t group, uint16_t id, uint8_t n, std::vector<uint8_t>& bytes);

} // namespace tolvane
