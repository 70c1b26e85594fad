#include "emulator/core/config_block.h"

#include <numeric>

namespace emulator {

uint16_t blockSum(ByteView block) {
    const auto end = block.begin() + static_cast<std::ptrdiff_t>(std::min(block.size(), kBlockSumOffset));
    return static_cast<uint16_t>(std::accumulate(block.begin(), end, 0u) & 0xFFFFu);
}

std::string blockFault(ByteView block) {
    if (block.size() != kBlockSize) {
        return "a block has " + std::to_string(kBlockSize) + " bytes, not " + std::to_string(block.size());
    }
    if (block[0] != kBlockMarker) {
        return "marker is " + hexText(block.first(1)) + ", not 78";
    }
    const uint16_t sum = blockSum(block);
    if (readWordLe(block, kBlockSumOffset) != sum) {
        return "sum bytes are " + hexText(block.subspan(kBlockSumOffset, 2)) + ", the sum is " +
               hexText(
                   std::array<uint8_t, 2>{static_cast<uint8_t>(sum & 0xFF), static_cast<uint8_t>(sum >> 8)});
    }
    return {};
}

void sealBlock(ConfigBlock& block) {
    block[0] = kBlockMarker;
    const uint16_t sum = blockSum(block);
    block[kBlockSumOffset] = static_cast<uint8_t>(sum & 0xFF);
    block[kBlockSumOffset + 1] = static_cast<uint8_t>(sum >> 8);
}

} // namespace emulator
