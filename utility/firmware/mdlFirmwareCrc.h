// The checksum of an OTA packet's data: the reflected CRC-32 table of the
// polynomial 0xEDB88320, but with the register starting at 0 instead of
// 0xFFFFFFFF; the result is the register inverted. (For "abc" it gives
// 0x359A672F where the common CRC-32 gives 0x352441C2.)
#pragma once

#include <cstdint>
#include <span>

namespace tolvane::firmware {

std::uint32_t OtaCrc(std::span<const std::uint8_t> data);

} // namespace tolvane::firmware
