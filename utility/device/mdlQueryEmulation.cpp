#include "mdlQueryEmulation.h"

#include "mdlDevNewPrt.h"
#include "mdlPrinterLib.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tolvane {
namespace {

const IProtocolCatalogue* g_catalogue = nullptr;

constexpr int kQueryWaitMs = 100;
constexpr std::string_view kLanguageQuery = "\x1b\x1b\x08";

std::string parameterSetList(const std::string& key) {
    return g_catalogue != nullptr ? g_catalogue->ParameterSetList(key) : std::string();
}

bool inList(const std::string& list, const std::string& model) {
    return list.find("," + model + ",") != std::string::npos;
}

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The language, and whether the printer answered the question it was asked
// (a language taken from the catalogue needs no answer).
struct TDetected {
    int language = 0;
    bool answered = true;
};

TDetected detect(const std::string& model) {
    if (!inList(parameterSetList("HaveTwoProtocol"), model)) {
        return {g_catalogue != nullptr ? g_catalogue->ModelProtocol(model) : kLangTspl, true};
    }
    if (inList(parameterSetList("GDS"), model)) {
        const TValueReply reply = CmdGetValReply(QuoteKey("ppl"));
        const std::string ppl = upper(reply.text);
        if (ppl == "TSC") {
            return {kLangTspl, reply.whole};
        }
        return {ppl == "EPL" ? kLangEpl : kLangZpl, reply.whole};
    }
    if (PrtLib_Write(TPrtLib::Tsprix, kLanguageQuery) != 0) {
        return {0, false};
    }
    PauseMs(kQueryWaitMs);
    int result = 0;
    const std::vector<uint8_t> reply = ReadOnce(TPrtLib::Tsprix, 1, result);
    return reply.empty() ? TDetected{0, false} : TDetected{reply[0], true};
}

} // namespace

void SetProtocolCatalogue(const IProtocolCatalogue* catalogue) {
    g_catalogue = catalogue;
}

int QueryEmulation() {
    const TDevNewPrt* devices = CurrentDevNewPrt();
    const TDevBasePrt* device = devices != nullptr ? devices->Device() : nullptr;
    return QueryEmulation(device != nullptr ? device->ModelName : std::string());
}

int QueryEmulation(const std::string& model) {
    ProtocolKind = detect(model).language;
    return ProtocolKind;
}

std::optional<int> QueryEmulationAnswered(const std::string& model) {
    const TDetected detected = detect(model);
    if (!detected.answered) {
        return std::nullopt;
    }
    ProtocolKind = detected.language;
    return ProtocolKind;
}

} // namespace tolvane
