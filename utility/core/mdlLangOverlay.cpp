#include "mdlLangOverlay.h"

#include "mdlGlobal.h"
#include "mdlMorrant.h"
#include "mdlOemEditionFile.h"

#include <array>
#include <string_view>
#include <utility>

namespace tolvane {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKeyPrefixes = {{
    {"2052", "(简体中文)____________(未知)________________{LWR999} - "},
    {"1033", "(英语)________________(未知)________________{LWR999} - "},
    {"1028", "(繁体中文)____________(未知)________________{LWR999} - "},
    {"1041", "(日语)________________(未知)________________{LWR999} - "},
    {"1049", "(俄语)________________(未知)________________{LWR999} - "},
    {"1034", "(西班牙语)____________(未知)________________{LWR999} - "},
}};

bool SameName(std::string_view a, std::string_view b) {
    return IniFoldCase(IniTrim(a)) == IniFoldCase(IniTrim(b));
}

} // namespace

bool UsesPrefixedLanguageKeys() {
    const auto edition = FindOemEdition(Globals().ToolType, Globals().OemCo);
    return edition != nullptr && edition->Values.PrefixedLanguageKeys;
}

std::string PrefixedKeyPrefix(const std::string& section) {
    for (const auto& [id, prefix] : kKeyPrefixes) {
        if (SameName(section, id)) {
            return std::string(prefix);
        }
    }
    return {};
}

bool IsHelperLanguageSection(const std::string& section) {
    const std::string_view id = IniTrim(section);
    return id == "1042" || id == "7" || id == "1040" || id == "1036";
}

std::string ReadLanguageFileValue(const IniDocument& doc, const std::string& path, const std::string& section,
                                  const std::string& key) {
    const bool prefixedEdition = UsesPrefixedLanguageKeys();

    std::string value;
    const std::string prefix = prefixedEdition ? PrefixedKeyPrefix(section) : std::string();
    if (const auto prefixed = prefix.empty() ? std::nullopt : doc.Find(section, prefix + key)) {
        value = *prefixed;
    } else if (const auto plain = doc.Find(section, key)) {
        value = *plain;
    }

    if (IsHelperLanguageSection(section)) {
        if (SameName(key, "_FontCharset")) {
            if (IniTrim(section) == "1042" || value.empty()) {
                value.assign(1, '1'); // (assigning "1" trips a false -Wrestrict in GCC 12 at -O3)
            }
        } else if (auto fromHelper = Morrant().LangReadIni(path, section, key)) {
            value = std::move(*fromHelper);
        }
    }

    if (prefixedEdition && SameName(section, "LanguageCollect") && SameName(key, "List")) {
        value += ",1042";
    }
    return value;
}

} // namespace tolvane
