#include "mdlConfigBlock.h"

#include "mdlMessages.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtExchange.h"

#include <string_view>

namespace tolvane {
namespace {

constexpr int kReadWaitMs = 200;
constexpr int kReadPauseMs = 100;
constexpr int kReadPasses = 2;
constexpr int kSettleMs = 50;
constexpr int kBlockWriteWaitMs = 20;

constexpr std::string_view kTsplReadRequest = "ZZZCR\n";
constexpr std::string_view kReadRequest = "\x12\x62";
constexpr std::string_view kTsplWriteRequest = "ZZZCW ";
constexpr std::string_view kWriteRequest = "\x12\x63";

// Reads the rest of the block, block[offset..255], in at most two passes;
// the count read.
int readPart(TConfigBlock& block, int offset) {
    int count = 0;
    PrtLib_ReadRepeated(block.data() + offset, static_cast<int>(kConfigBlockSize) - offset, count,
                        kReadPauseMs, kReadPasses);
    return count;
}

// The message for a received block: "OK", "_Err_ReadData" or "_Err_CheckSum".
bool checkBlock(const TConfigBlock& block, std::string& message) {
    if (block[0] != kConfigBlockMarker) {
        message = LangText("_Err_ReadData");
        return false;
    }
    const uint16_t sum = ConfigBlockSum(block);
    if (block[254] != (sum & 0xFF) || block[255] != (sum >> 8)) {
        message = LangText("_Err_CheckSum");
        return false;
    }
    return true;
}

// Closes the Tsprix port; the result of the step before stays the last result.
void closeKeeping(int result) {
    PrtLib_Close(TPrtLib::Tsprix);
    KeepingResult(result, 0);
}

} // namespace

uint16_t ConfigBlockSum(const TConfigBlock& block) {
    unsigned sum = 0;
    for (size_t i = 0; i < kConfigBlockSize - 2; ++i) {
        sum += block[i];
    }
    return static_cast<uint16_t>(sum & 0xFFFF);
}

bool ReadConfigBlock(TConfigBlock& block, std::string& message) {
    message = "OK";
    int opened = 0;
    if (!PrtLib_OpenForCommand(TPrtLib::Tsprix, opened)) {
        message = LangText("_Err_OpenPort");
        return false;
    }
    const std::string_view request = ProtocolKind == kLangTspl ? kTsplReadRequest : kReadRequest;
    if (const int written = PrtLib_Write(TPrtLib::Tsprix, request); written != 0) {
        message = LangText("_Err_WriteData");
        closeKeeping(written);
        return false;
    }
    PauseMs(kReadWaitMs);
    TConfigBlock received{};
    const int count = readPart(received, 0);
    PauseMs(kSettleMs);
    if (count < static_cast<int>(kConfigBlockSize) && received[254] == 0 && received[255] == 0) {
        readPart(received, count);
    }
    const int readResult = PrtLib_LastResult();
    const bool ok = checkBlock(received, message);
    if (ok) {
        block = received;
    }
    closeKeeping(readResult);
    return ok;
}

bool WriteConfigBlock(TConfigBlock& block) {
    int opened = 0;
    if (!PrtLib_OpenForCommand(TPrtLib::Tsprix, opened)) {
        ShowOpenPortErrorResultFirst(opened);
        return false;
    }
    const uint16_t sum = ConfigBlockSum(block);
    block[254] = static_cast<uint8_t>(sum & 0xFF);
    block[255] = static_cast<uint8_t>(sum >> 8);
    const std::string_view request = ProtocolKind == kLangTspl ? kTsplWriteRequest : kWriteRequest;
    if (const int r = PrtLib_Write(TPrtLib::Tsprix, request); r != 0) {
        closeKeeping(r);
        return false;
    }
    PauseMs(kBlockWriteWaitMs);
    const int written = PrtLib_Write(TPrtLib::Tsprix, block.data(), static_cast<int>(block.size()));
    closeKeeping(written);
    return written == 0;
}

} // namespace tolvane
