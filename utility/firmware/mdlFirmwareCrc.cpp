#include "mdlFirmwareCrc.h"

#include <array>

namespace tolvane::firmware {
namespace {

constexpr std::array<std::uint32_t, 256> MakeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t value = n;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1u) != 0 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        }
        table[n] = value;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = MakeTable();

} // namespace

std::uint32_t OtaCrc(std::span<const std::uint8_t> data) {
    std::uint32_t crc = 0;
    for (const std::uint8_t byte : data) {
        crc = kTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

} // namespace tolvane::firmware
