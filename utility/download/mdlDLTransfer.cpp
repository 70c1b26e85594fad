#include "mdlDLTransfer.h"

#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace tolvane::download {

TDLState& DLState() {
    static TDLState state;
    return state;
}

bool RequestDownload(const std::string& kindWord, const std::string& value, const TTransferPacing& pacing) {
    if (CmdDoArgs("\"download\"", kindWord, value) != 0) {
        return false;
    }
    Pause(pacing.requestWaitMs);
    uint8_t reply[2] = {};
    int count = 0;
    PrtLib_ReadRepeated(reply, 2, count, pacing.okPauseMs, pacing.okPasses);
    return count == 2 && reply[0] == 'O' && reply[1] == 'K';
}

TTransferRun::TTransferRun(TDLState& state, TBlockFormat format, TTransferPacing pacing,
                           TTransferCallbacks callbacks, bool flashMemory)
    : state_(state), format_(format), pacing_(pacing), callbacks_(std::move(callbacks)), flash_(flashMemory) {
}

TTransferRun::~TTransferRun() {
    Cancel();
    Join();
}

void TTransferRun::Start() {
    state_.Cancel = false;
    progress_ = std::thread([this] { ProgressRun(); });
    sender_ = std::thread([this] { SenderRun(); });
}

void TTransferRun::Join() {
    if (sender_.joinable()) {
        sender_.join();
    }
    if (progress_.joinable()) {
        progress_.join();
    }
}

void TTransferRun::Post(std::function<void()> work) {
    if (!callbacks_.post) {
        return;
    }
    callbacks_.post([token = std::weak_ptr<int>(alive_), work = std::move(work)] {
        if (!token.expired()) {
            work();
        }
    });
}

void TTransferRun::EndSender(TTransferEnd end, TFinishReads reads) {
    senderDone_ = true;
    if (callbacks_.ended) {
        Post([this, end, reads = std::move(reads)] { callbacks_.ended(end, reads); });
    }
}

void TTransferRun::SenderRun() {
    const size_t blockSize = static_cast<size_t>(format_.blockSize);
    std::vector<uint8_t> block(blockSize + kBlockOverhead);
    uint8_t ack[kAckSize] = {};
    size_t offset = 0;
    const std::span<const uint8_t> data(
        state_.FileData.data(), std::min(state_.FileData.size(), static_cast<size_t>(state_.FileSize)));
    for (;;) {
        if (state_.BlocksSent >= state_.BlockTotal) {
            Pause(pacing_.finishWaitMs);
            TFinishReads reads;
            reads.bitmaps = CmdGetVal(listKey_);
            reads.used = CmdGetVal(flash_ ? "\"use_capacity\"" : "\"use_capacity_ram\"");
            reads.free = CmdGetVal(flash_ ? "\"remain_capacity\"" : "\"remain_capacity_ram\"");
            PrtLib_EndExchange();
            return EndSender(TTransferEnd::Finished, std::move(reads));
        }
        if (state_.Cancel) {
            // The port is closed and the exchange ended, so that the next
            // action opens it afresh.
            PrtLib_EndExchange();
            return EndSender(TTransferEnd::Cancelled);
        }
        const size_t length = std::min(blockSize, data.size() - std::min(offset, data.size()));
        BuildBlock(block, static_cast<uint32_t>(state_.BlocksSent.load()),
                   data.subspan(std::min(offset, data.size()), length), format_);
        auto fail = [&](TTransferEnd end) {
            PrtLib_EndExchange();
            state_.Cancel = true;
            EndSender(end);
        };
        if (PrtLib_Write(TPrtLib::Tsprix, block.data(), static_cast<int>(block.size())) != 0) {
            return fail(TTransferEnd::IoError);
        }
        offset += blockSize;
        ++state_.BlocksSent;
        Pause(pacing_.blockWaitMs);
        int count = 0;
        const int result = PrtLib_ReadRepeated(ack, kAckSize, count, pacing_.ackPauseMs, pacing_.ackPasses);
        switch (JudgeAck(block, std::span<const uint8_t>(ack, static_cast<size_t>(count)), result == 0)) {
        case TAckVerdict::Accepted:
            break;
        case TAckVerdict::BadSum:
            return fail(TTransferEnd::ChecksumError);
        default:
            return fail(TTransferEnd::IoError);
        }
    }
}

void TTransferRun::ProgressRun() {
    while (state_.BlocksSent < state_.BlockTotal) {
        if (state_.Cancel) {
            return;
        }
        if (callbacks_.progress) {
            const int sent = state_.BlocksSent * state_.KBPerBlock;
            Post([this, sent] { callbacks_.progress(sent); });
        }
        Pause(pacing_.progressMs);
    }
    if (callbacks_.progress) {
        const int sent = state_.BlocksSent * state_.KBPerBlock;
        Post([this, sent] { callbacks_.progress(sent); });
    }
}

void Pause(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

} // namespace tolvane::download
