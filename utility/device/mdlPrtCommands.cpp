#include "mdlPrtCommands.h"

#include "mdlHexText.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <array>

namespace tolvane {
namespace {

constexpr int kTextReplyWaitMs = 100;
constexpr int kBytesReplyWaitMs = 50;
constexpr std::string_view kFrontHex = "5A 5A 5A 46 52 4F 4E 54 0d 0a";

// Writes a frame on the open port; 0 or -1.
int writeOrFail(std::string_view frame) {
    return WriteFrame(frame) ? 0 : -1;
}

// Writes and closes again; the write's result stays the last result.
int writeAndEnd(std::string_view frame) {
    const int result = PrtLib_Write(frame);
    PrtLib_EndCommand();
    return result == 0 ? 0 : KeepingResult(result, -1);
}

// Sends a frame (nothing for an empty one) and reads a text reply's bytes;
// none when the frame could not be written.
std::vector<uint8_t> askBytes(std::string_view frame, bool send) {
    if (send && !WriteFrame(frame)) {
        return {};
    }
    PauseMs(kTextReplyWaitMs);
    int result = 0;
    return ReadOnce(kTextReplySize, result);
}

// As askBytes, the reply's text.
std::string askText(std::string_view frame, bool send) {
    return BytesToText(askBytes(frame, send));
}

} // namespace

int CmdDo(std::string_view key) {
    if (!PrtLib_BeginCommand()) {
        return 0;
    }
    return writeAndEnd(DoFrame(key));
}

int CmdDoOpen(std::string_view key) {
    if (!PrtLib_BeginCommand()) {
        return 0;
    }
    return writeOrFail(DoFrame(key));
}

int CmdDoMaybe(std::string_view key, bool wrap) {
    if (!wrap) {
        return writeOrFail(DoFrame(key));
    }
    if (!PrtLib_BeginCommand()) {
        return -1;
    }
    return writeAndEnd(DoFrame(key));
}

int CmdDoArg(std::string_view key, std::string_view value) {
    if (!PrtLib_BeginCommand()) {
        return 0;
    }
    return writeOrFail(DoArgFrame(key, value));
}

int CmdDoArgs(std::string_view key, std::string_view arg, std::string_view value) {
    if (!PrtLib_BeginCommand()) {
        return 0;
    }
    return writeOrFail(DoArgsFrame(key, arg, value));
}

int CmdSetVal(std::string_view key, std::string_view value) {
    return writeOrFail(SetValFrame(key, value));
}

int CmdSetValLower(std::string_view key, std::string_view value) {
    return writeOrFail(SetValFrame(key, value, true));
}

std::string CmdGetVal(std::string_view key) {
    return askText(GetValFrame(key), !key.empty());
}

TValueReply CmdGetValReply(std::string_view key) {
    TValueReply reply;
    const std::vector<uint8_t> bytes = askBytes(GetValFrame(key), !key.empty());
    reply.answered = !bytes.empty();
    reply.whole = reply.answered && bytes.back() == 0;
    if (reply.whole) {
        reply.text = BytesToText(bytes);
    }
    return reply;
}

std::string CmdGetValWait(std::string_view key, int waitMs) {
    if (!key.empty() && !WriteFrame(GetValFrame(key))) {
        return {};
    }
    PauseMs(waitMs);
    bool ok = false;
    return BytesToText(ReadUpToZero(kTextReplySize, ok));
}

int CmdGetValBytes(std::string_view key, std::span<uint8_t> buffer) {
    if (!PrtLib_BeginCommand()) {
        return 0;
    }
    if (const int written = PrtLib_Write(GetValFrame(key)); written != 0) {
        PrtLib_EndCommand();
        return KeepingResult(written, -1);
    }
    PauseMs(kBytesReplyWaitMs);
    int count = 0;
    const int result = PrtLib_Read(buffer.data(), static_cast<int>(buffer.size()), count);
    PrtLib_EndCommand();
    return ReadFailed(result, count) ? KeepingResult(result, -1) : KeepingResult(result, count);
}

std::string CmdQuery(std::string_view text) {
    return askText(std::string(text) + std::string(kLineEnd), !text.empty());
}

void DrainReply() {
    if (!PrtLib_BeginCommand()) {
        return;
    }
    int result = 0;
    ReadOnce(kTextReplySize, result);
}

int SendFront() {
    std::array<uint8_t, 10> frame{};
    HexToBytes(kFrontHex, HexCount(kFrontHex), frame, 0);
    PrtLib_Write(frame.data(), static_cast<int>(frame.size()));
    return 0;
}

} // namespace tolvane
