#include "mdlFirmwareVersion.h"

#include "mdlMessages.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtExchange.h"

#include <algorithm>
#include <vector>

namespace tolvane {
namespace {
constexpr int kReplyWaitMs = 100;
constexpr size_t kMaxParts = 3;
constexpr long kLargestPart = 1'000'000'000;
constexpr std::string_view kVersionQuery = "ZZZGETVERSION\r\n";

// The first three dot-separated parts of a version text as numbers.
std::vector<long> versionParts(std::string_view text) {
    std::vector<long> parts;
    size_t start = 0;
    while (parts.size() < kMaxParts && start <= text.size()) {
        const size_t dot = text.find('.', start);
        const std::string_view part =
            text.substr(start, dot == std::string_view::npos ? text.npos : dot - start);
        long value = 0;
        if (part.find_first_not_of("0123456789") == std::string_view::npos) {
            for (const char digit : part) {
                value = std::min(value * 10 + (digit - '0'), kLargestPart);
            }
        }
        parts.push_back(value);
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    return parts;
}

} // namespace

bool FirmwareVersionVerdict(std::string_view minimum, const std::array<uint8_t, 3>& reply) {
    const std::vector<long> parts = versionParts(minimum);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i] > reply[i]) {
            return true;
        }
    }
    return parts.size() >= kMaxParts;
}

std::optional<bool> CheckFirmwareVersion(std::string_view minimum) {
    int opened = 0;
    if (!PrtLib_OpenForCommand(TPrtLib::Tsprix, opened)) {
        ShowOpenPortErrorResultFirst(opened);
        return std::nullopt;
    }
    std::array<uint8_t, 3> reply{};
    int count = 0;
    int result = PrtLib_Write(TPrtLib::Tsprix, kVersionQuery);
    if (result == 0) {
        PauseMs(kReplyWaitMs);
        result = PrtLib_Read(TPrtLib::Tsprix, reply.data(), static_cast<int>(reply.size()), count);
    }
    PrtLib_Close(TPrtLib::Tsprix);
    KeepingResult(result, 0);
    if (count <= 0) {
        return false;
    }
    if (count < static_cast<int>(reply.size())) {
        MessageSink().ShowError(LangText("_Err_ReadData"), LangText("_MSG_Title_Error"));
        return std::nullopt;
    }
    return FirmwareVersionVerdict(minimum, reply);
}

} // namespace tolvane
