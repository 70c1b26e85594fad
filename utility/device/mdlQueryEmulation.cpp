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

int detect(const std::string& model) {
    if (!inList(parameterSetList("HaveTwoProtocol"), model)) {
        return g_catalogue != nullptr ? g_catalogue->ModelProtocol(model) : kLangTspl;
    }
    if (inList(parameterSetList("GDS"), model)) {
        const std::string ppl = upper(CmdGetVal(QuoteKey("ppl")));
        if (ppl == "TSC") {
            return kLangTspl;
        }
        return ppl == "EPL" ? kLangEpl : kLangZpl;
    }
    if (PrtLib_Write(TPrtLib::Tsprix, kLanguageQuery) != 0) {
        return 0;
    }
    PauseMs(kQueryWaitMs);
    int result = 0;
    const std::vector<uint8_t> reply = ReadOnce(TPrtLib::Tsprix, 1, result);
    return reply.empty() ? 0 : reply[0];
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
    ProtocolKind = detect(model);
    return ProtocolKind;
}

} // namespace tolvane
