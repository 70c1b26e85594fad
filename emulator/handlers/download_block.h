#pragma once

#include "emulator/core/handler.h"

namespace emulator {

// One block of a download: magic DD CC BB AA, number (4 bytes), data
// length (2), the data area of 1024 bytes and a 16-bit sum of the header
// and the real data (all little-endian). Answers the first 8 bytes, a
// status (0 accepted, 1 refused: no download waiting, wrong number, wrong
// sum or no room) and the sum of those 10 bytes. A block with fewer than
// 1024 data bytes ends the file, which is then stored.
class DownloadBlockHandler : public Handler {
  public:
    static constexpr size_t kDataSize = 1024;
    static constexpr size_t kBlockSize = kDataSize + 12;

    std::string_view name() const override { return "download_block"; }
    Scan scan(ByteView pending) const override;
    void handle(ByteView frame, Exchange& exchange) override;
};

} // namespace emulator
