#include "mdlErrorText.h"

#include "mdlMessages.h"

namespace tolvane {
namespace {

struct TReason {
    int code;
    const char* key;
};

// The system codes the library reports for ports and connections.
constexpr TReason kReasons[] = {
    {2, "_ErrReason_2"},         {5, "_ErrReason_5"},         {31, "_ErrReason_31"},
    {87, "_ErrReason_87"},       {121, "_ErrReason_121"},     {1117, "_ErrReason_1117"},
    {10048, "_ErrReason_10048"}, {10050, "_ErrReason_10050"}, {10054, "_ErrReason_10054"},
    {10057, "_ErrReason_10057"}, {10060, "_ErrReason_10060"}, {10061, "_ErrReason_10061"},
    {10064, "_ErrReason_10064"}, {10065, "_ErrReason_10065"},
};

} // namespace

const char* ErrorReasonKey(int code) {
    for (const TReason& reason : kReasons) {
        if (reason.code == code) {
            return reason.key;
        }
    }
    return nullptr;
}

std::string ErrorReasonSuffix(int code) {
    const char* key = ErrorReasonKey(code);
    if (key == nullptr) {
        return {};
    }
    const std::string reason = LangText(key);
    // Before the language texts are loaded the lookup answers the key itself.
    return reason.empty() || reason == key ? std::string() : " (" + reason + ")";
}

std::string ErrorCodeText(const std::string& key, int code) {
    return LangText(key) + ":" + std::to_string(code) + ErrorReasonSuffix(code);
}

std::string ErrorCodeFirstText(int code, const std::string& key) {
    return std::to_string(code) + ":" + LangText(key) + ErrorReasonSuffix(code);
}

} // namespace tolvane
