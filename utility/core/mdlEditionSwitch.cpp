#include "mdlEditionSwitch.h"

#include <algorithm>

namespace tolvane {
namespace {

constexpr std::size_t kMaxCodeLength = 64;
constexpr const char* kSwitch = "--edition";

std::optional<TEditionChoice> g_override;

bool IsCodeChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

} // namespace

std::optional<TEditionChoice> ParseEditionCode(const std::string& code, std::string& error) {
    if (code.empty() || code.size() > kMaxCodeLength || !std::all_of(code.begin(), code.end(), IsCodeChar)) {
        error = "--edition: \"" + code.substr(0, kMaxCodeLength) +
                "\" is not an edition code (Label_<word>, Mobile_<word>, Label or Mobile)";
        return std::nullopt;
    }
    const std::size_t underscore = code.find('_');
    const std::string flavour = code.substr(0, underscore);
    if (flavour != "Label" && flavour != "Mobile") {
        error = "--edition: \"" + code + "\" does not begin with Label or Mobile";
        return std::nullopt;
    }
    if (underscore != std::string::npos && underscore + 1 == code.size()) {
        error = "--edition: \"" + code + "\" has no edition word after the \"_\"";
        return std::nullopt;
    }
    return TEditionChoice{flavour, underscore == std::string::npos ? std::string() : code};
}

bool TakeEditionSwitch(std::vector<std::string>& args, std::string& error) {
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string code;
        std::size_t taken = 1;
        if (args[i] == kSwitch) {
            if (i + 1 >= args.size()) {
                error = "--edition: the edition code is missing";
                return false;
            }
            code = args[i + 1];
            taken = 2;
        } else if (args[i].rfind(std::string(kSwitch) + "=", 0) == 0) {
            code = args[i].substr(std::char_traits<char>::length(kSwitch) + 1);
        } else {
            continue;
        }
        std::optional<TEditionChoice> choice = ParseEditionCode(code, error);
        if (!choice) {
            return false;
        }
        g_override = std::move(choice);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + taken));
        return true;
    }
    return true;
}

const std::optional<TEditionChoice>& EditionOverride() {
    return g_override;
}

void SetEditionOverride(std::optional<TEditionChoice> choice) {
    g_override = std::move(choice);
}

} // namespace tolvane
