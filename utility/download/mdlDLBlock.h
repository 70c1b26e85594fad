// The packets of the block transfer: a block is magic DD CC BB AA, the block
// number (4 bytes), the data length (2), the data area of `blockSize`
// bytes (data, then fill) and a 16-bit checksum (all little-endian); every
// block has the full length blockSize + 12. The printer acknowledges each
// block with 12 bytes: the block's first 8, a status (0 accepted) and the
// 16-bit sum of those 10 bytes.
#pragma once

#include <cstdint>
#include <span>

namespace tolvane::download {

// What differs between the transfers that use blocks: the file dialog
// sends 1024-byte blocks filled with 0x00 whose checksum covers the header
// and the real data; other callers change these.
struct TBlockFormat {
    int blockSize = 1024;
    uint8_t fill = 0x00;
    bool checksumWholeBlock = false; // sum over the whole data area, fill included
};

inline constexpr int kBlockOverhead = 12;
inline constexpr int kAckSize = 12;

// Blocks for `fileSize` bytes: one per started block size, and one more
// (empty) when the size is a multiple of it; 0 for an empty file.
int BlockTotal(int64_t fileSize, int blockSize);

// 16-bit sum of the bytes.
uint16_t Sum16(std::span<const uint8_t> bytes);

// Writes block `number` carrying `data` (at most blockSize bytes) into
// `block` (blockSize + 12 bytes).
void BuildBlock(std::span<uint8_t> block, uint32_t number, std::span<const uint8_t> data,
                const TBlockFormat& format);

enum class TAckVerdict {
    Accepted,
    Mismatch, // not 12 bytes, or not the block's first 8 bytes
    Refused,  // a status other than 0
    BadSum,   // the acknowledgement's own sum is wrong
};

// Judges an acknowledgement of `block`. `readGood` is whether the last read
// reported success: 12 matching bytes after a failed read are accepted
// without looking at the status and the sum.
TAckVerdict JudgeAck(std::span<const uint8_t> block, std::span<const uint8_t> ack, bool readGood);

} // namespace tolvane::download
