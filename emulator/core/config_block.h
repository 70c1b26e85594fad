#pragma once

#include "emulator/core/bytes.h"

#include <array>
#include <cstdint>

namespace emulator {

// The printer's 256-byte parameter block: byte 0 is the marker, bytes 254
// and 255 the 16-bit sum of bytes 0 to 253, low byte first.
constexpr size_t kBlockSize = 256;
constexpr uint8_t kBlockMarker = 0x78;
constexpr size_t kBlockSumOffset = 254;

using ConfigBlock = std::array<uint8_t, kBlockSize>;

// The 16-bit sum of bytes 0 to 253.
uint16_t blockSum(ByteView block);

// Why a received block is not accepted, or an empty text when it is.
std::string blockFault(ByteView block);

// Sets the marker and the sum.
void sealBlock(ConfigBlock& block);

} // namespace emulator
