#include "mdlDLBlock.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace tolvane::download {

int BlockTotal(int64_t fileSize, int blockSize) {
    if (fileSize <= 0 || blockSize <= 0) {
        return 0;
    }
    return static_cast<int>(fileSize / blockSize + 1);
}

uint16_t Sum16(std::span<const uint8_t> bytes) {
    return static_cast<uint16_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

void BuildBlock(std::span<uint8_t> block, uint32_t number, std::span<const uint8_t> data,
                const TBlockFormat& format) {
    const size_t size = static_cast<size_t>(format.blockSize);
    const size_t length = std::min(data.size(), size);
    block[0] = 0xDD;
    block[1] = 0xCC;
    block[2] = 0xBB;
    block[3] = 0xAA;
    for (int i = 0; i < 4; ++i) {
        block[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(number >> (8 * i));
    }
    block[8] = static_cast<uint8_t>(length & 0xFF);
    block[9] = static_cast<uint8_t>(length >> 8);
    std::fill(block.begin() + 10, block.begin() + 10 + static_cast<std::ptrdiff_t>(size), format.fill);
    if (length > 0) {
        std::memcpy(block.data() + 10, data.data(), length);
    }
    const uint16_t sum = Sum16(block.first(10 + (format.checksumWholeBlock ? size : length)));
    block[10 + size] = static_cast<uint8_t>(sum & 0xFF);
    block[11 + size] = static_cast<uint8_t>(sum >> 8);
}

TAckVerdict JudgeAck(std::span<const uint8_t> block, std::span<const uint8_t> ack, bool readGood) {
    if (ack.size() != kAckSize || !std::equal(ack.begin(), ack.begin() + 8, block.begin())) {
        return TAckVerdict::Mismatch;
    }
    if (!readGood) {
        return TAckVerdict::Accepted;
    }
    if (ack[8] != 0 || ack[9] != 0) {
        return TAckVerdict::Refused;
    }
    const uint16_t sum = Sum16(ack.first(10));
    if (ack[10] != (sum & 0xFF) || ack[11] != (sum >> 8)) {
        return TAckVerdict::BadSum;
    }
    return TAckVerdict::Accepted;
}

} // namespace tolvane::download
