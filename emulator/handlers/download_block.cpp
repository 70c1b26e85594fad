#include "emulator/handlers/download_block.h"

#include "emulator/core/exchange.h"
#include "emulator/handlers/frame_scan.h"

#include <numeric>

namespace emulator {
namespace {

const Bytes kMagic = {0xDD, 0xCC, 0xBB, 0xAA};

uint16_t sum16(ByteView bytes) {
    return static_cast<uint16_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

Bytes acknowledgement(ByteView block, uint16_t status) {
    Bytes ack(block.begin(), block.begin() + 8);
    ack.push_back(static_cast<uint8_t>(status & 0xFF));
    ack.push_back(static_cast<uint8_t>(status >> 8));
    const uint16_t sum = sum16(ByteView(ack).first(10));
    ack.push_back(static_cast<uint8_t>(sum & 0xFF));
    ack.push_back(static_cast<uint8_t>(sum >> 8));
    return ack;
}

// A user font's block: its data is added and the font stored at once, so
// the font on the printer is always the blocks received so far.
void storeUserFontBlock(ByteView frame, size_t length, Exchange& exchange) {
    FileStore& files = exchange.printer().files();
    FileStore::PendingDownload& pending = *files.pending;
    for (size_t i = 10 + length; i < 10 + DownloadBlockHandler::kDataSize; ++i) {
        if (frame[i] != 0xFF) {
            files.pending.reset();
            exchange.addNote("refused: fill is not 0xFF");
            exchange.replyWithSum(acknowledgement(frame, 1), 10);
            return;
        }
    }
    pending.data.insert(pending.data.end(), frame.begin() + 10,
                        frame.begin() + 10 + static_cast<long>(length));
    ++pending.nextBlock;
    files.erase(pending.kind, "E_" + pending.name);
    if (!files.store({pending.kind, pending.memory, pending.name, pending.data})) {
        files.pending.reset();
        exchange.addNote("refused: memory full");
        exchange.replyWithSum(acknowledgement(frame, 1), 10);
        return;
    }
    exchange.addNote("stored user font block");
    exchange.replyWithSum(acknowledgement(frame, 0), 10);
}

} // namespace

Scan DownloadBlockHandler::scan(ByteView pending) const {
    const Scan magic = scanLiteral(pending, kMagic);
    if (magic.verdict != Scan::Verdict::Complete) {
        return magic;
    }
    return pending.size() >= kBlockSize ? Scan::complete(kBlockSize) : Scan::needMore();
}

void DownloadBlockHandler::handle(ByteView frame, Exchange& exchange) {
    const uint32_t number = static_cast<uint32_t>(frame[4]) | static_cast<uint32_t>(frame[5]) << 8 |
                            static_cast<uint32_t>(frame[6]) << 16 | static_cast<uint32_t>(frame[7]) << 24;
    const size_t length = readWordLe(frame, 8);
    exchange.describe("download_block", std::to_string(number), std::to_string(length) + " bytes");
    FileStore& files = exchange.printer().files();
    auto refuse = [&](std::string_view why) {
        files.pending.reset();
        exchange.addNote(why);
        exchange.replyWithSum(acknowledgement(frame, 1), 10);
    };
    if (!files.pending) {
        return refuse("refused: no download waiting");
    }
    if (length > kDataSize || number != files.pending->nextBlock) {
        return refuse("refused: wrong block number or length");
    }
    const bool userFont = files.pending->userFont;
    if (readWordLe(frame, 10 + kDataSize) != sum16(frame.first(10 + (userFont ? kDataSize : length)))) {
        return refuse("refused: wrong sum");
    }
    if (files.refuseBlock == number) {
        return refuse("refused on request");
    }
    FileStore::PendingDownload& pending = *files.pending;
    if (userFont) {
        return storeUserFontBlock(frame, length, exchange);
    }
    if (pending.data.size() + length > files.remaining(pending.memory)) {
        return refuse("refused: memory full");
    }
    pending.data.insert(pending.data.end(), frame.begin() + 10,
                        frame.begin() + 10 + static_cast<long>(length));
    ++pending.nextBlock;
    if (length < kDataSize) {
        const std::string name = pending.name;
        const bool stored =
            files.store({pending.kind, pending.memory, pending.name, std::move(pending.data)});
        files.pending.reset();
        if (!stored) {
            return refuse("refused: memory full");
        }
        exchange.addNote("stored " + name);
    } else {
        exchange.addNote("accepted");
    }
    exchange.replyWithSum(acknowledgement(frame, 0), 10);
}

} // namespace emulator
