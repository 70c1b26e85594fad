#include "emulator/core/firmware_state.h"

namespace emulator {

uint32_t otaCrc(ByteView data) {
    uint32_t crc = 0;
    for (const uint8_t byte : data) {
        uint32_t value = (crc ^ byte) & 0xFFu;
        for (int bit = 0; bit < 8; ++bit) {
            value = (value & 1u) != 0 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
        }
        crc = value ^ (crc >> 8);
    }
    return ~crc;
}

} // namespace emulator
