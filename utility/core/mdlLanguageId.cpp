#include "mdlLanguageId.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string_view>

namespace tolvane {
namespace {

struct LocaleId {
    std::string_view locale; // "ll" or "ll_CC"
    int id;
    std::string_view name;
};

// Locale names to Windows language ids. A bare language entry stands for
// every territory that has no entry of its own.
constexpr std::array kLocales = {
    LocaleId{"zh_CN", 2052, "Chinese (Simplified, PRC)"},
    LocaleId{"zh_SG", 4100, "Chinese (Simplified, Singapore)"},
    LocaleId{"zh_TW", 1028, "Chinese (Traditional, Taiwan)"},
    LocaleId{"zh_HK", 3076, "Chinese (Traditional, Hong Kong SAR)"},
    LocaleId{"zh_MO", 5124, "Chinese (Traditional, Macao SAR)"},
    LocaleId{"zh", 2052, "Chinese (Simplified, PRC)"},
    LocaleId{"en_US", 1033, "English (United States)"},
    LocaleId{"en_GB", 2057, "English (United Kingdom)"},
    LocaleId{"en_AU", 3081, "English (Australia)"},
    LocaleId{"en_CA", 4105, "English (Canada)"},
    LocaleId{"en_NZ", 5129, "English (New Zealand)"},
    LocaleId{"en_IE", 6153, "English (Ireland)"},
    LocaleId{"en_IN", 16393, "English (India)"},
    LocaleId{"en", 1033, "English (United States)"},
    LocaleId{"ja", 1041, "Japanese (Japan)"},
    LocaleId{"ko", 1042, "Korean (Korea)"},
    LocaleId{"ru", 1049, "Russian (Russia)"},
    LocaleId{"pt_BR", 1046, "Portuguese (Brazil)"},
    LocaleId{"pt_PT", 2070, "Portuguese (Portugal)"},
    LocaleId{"pt", 2070, "Portuguese (Portugal)"},
    LocaleId{"es_ES", 3082, "Spanish (Spain, International Sort)"},
    LocaleId{"es_MX", 2058, "Spanish (Mexico)"},
    LocaleId{"es_GT", 4106, "Spanish (Guatemala)"},
    LocaleId{"es_CR", 5130, "Spanish (Costa Rica)"},
    LocaleId{"es_PA", 6154, "Spanish (Panama)"},
    LocaleId{"es_DO", 7178, "Spanish (Dominican Republic)"},
    LocaleId{"es_VE", 8202, "Spanish (Venezuela)"},
    LocaleId{"es_CO", 9226, "Spanish (Colombia)"},
    LocaleId{"es_PE", 10250, "Spanish (Peru)"},
    LocaleId{"es_AR", 11274, "Spanish (Argentina)"},
    LocaleId{"es_EC", 12298, "Spanish (Ecuador)"},
    LocaleId{"es_CL", 13322, "Spanish (Chile)"},
    LocaleId{"es_UY", 14346, "Spanish (Uruguay)"},
    LocaleId{"es_PY", 15370, "Spanish (Paraguay)"},
    LocaleId{"es_BO", 16394, "Spanish (Bolivia)"},
    LocaleId{"es_SV", 17418, "Spanish (El Salvador)"},
    LocaleId{"es_HN", 18442, "Spanish (Honduras)"},
    LocaleId{"es_NI", 19466, "Spanish (Nicaragua)"},
    LocaleId{"es_PR", 20490, "Spanish (Puerto Rico)"},
    LocaleId{"es", 3082, "Spanish (Spain, International Sort)"},
    LocaleId{"de", 7, "German"},
    LocaleId{"fr", 1036, "French (France)"},
    LocaleId{"it", 1040, "Italian (Italy)"},
    LocaleId{"ar", 1025, "Arabic (Saudi Arabia)"},
    LocaleId{"cs", 1029, "Czech (Czech Republic)"},
    LocaleId{"da", 1030, "Danish (Denmark)"},
    LocaleId{"el", 1032, "Greek (Greece)"},
    LocaleId{"fi", 1035, "Finnish (Finland)"},
    LocaleId{"he", 1037, "Hebrew (Israel)"},
    LocaleId{"hu", 1038, "Hungarian (Hungary)"},
    LocaleId{"nl", 1043, "Dutch (Netherlands)"},
    LocaleId{"nb", 1044, "Norwegian, Bokmal (Norway)"},
    LocaleId{"pl", 1045, "Polish (Poland)"},
    LocaleId{"sv", 1053, "Swedish (Sweden)"},
    LocaleId{"th", 1054, "Thai (Thailand)"},
    LocaleId{"tr", 1055, "Turkish (Turkey)"},
    LocaleId{"id", 1057, "Indonesian (Indonesia)"},
    LocaleId{"uk", 1058, "Ukrainian (Ukraine)"},
    LocaleId{"vi", 1066, "Vietnamese (Vietnam)"},
    LocaleId{"ms", 1086, "Malay (Malaysia)"},
};

constexpr std::array kSpanishIds = {1034,  2058,  3082,  4106,  5130,  6154,  7178,  8202,  9226,  10250,
                                    11274, 12298, 13322, 14346, 15370, 16394, 17418, 18442, 19466, 20490};

std::string LocaleFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return {};
}

} // namespace

std::string LanguageIdFromSwitch(const std::string& argument, bool knowsKorean) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kSwitches = {{
        {"-CN", "2052"},
        {"-EN", "1033"},
        {"-TW", "1028"},
        {"-JP", "1041"},
        {"-RU", "1049"},
        {"-PT", "1046"},
        {"-ES", "1034"},
        {"-KR", "1042"},
    }};
    for (const auto& [option, id] : kSwitches) {
        if (argument == option && (knowsKorean || option != "-KR")) {
            return std::string(id);
        }
    }
    return {};
}

bool IsLanguageListed(const std::string& list, const std::string& id) {
    if (id.empty()) {
        return false;
    }
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t pos = 0;
    while (pos < list.size()) {
        while (pos < list.size() && !isDigit(list[pos])) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < list.size() && isDigit(list[end])) {
            ++end;
        }
        if (end > pos && list.compare(pos, end - pos, id) == 0) {
            return true;
        }
        pos = end;
    }
    return false;
}

int SystemLanguageId() {
    std::string locale = LocaleFromEnvironment();
    // "ll_CC.codeset@modifier" -> "ll_CC"
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale.empty() || locale == "C" || locale == "POSIX") {
        return 1033;
    }
    const std::string language = locale.substr(0, locale.find('_'));
    for (const std::string& wanted : {locale, language}) {
        for (const LocaleId& entry : kLocales) {
            if (entry.locale == wanted) {
                return entry.id;
            }
        }
    }
    return 0;
}

int MapLanguageId(int windowsId) {
    if (std::find(kSpanishIds.begin(), kSpanishIds.end(), windowsId) != kSpanishIds.end()) {
        return 1034;
    }
    switch (windowsId) {
    case 2070:
        return 1046;
    case 3076:
    case 5124:
        return 1028;
    default:
        return windowsId;
    }
}

std::string LanguageDisplayName(int windowsId) {
    if (windowsId == 1034) {
        return "Spanish (Spain, Traditional Sort)";
    }
    for (const LocaleId& entry : kLocales) {
        if (entry.id == windowsId) {
            return std::string(entry.name.substr(0, 256));
        }
    }
    return {};
}

} // namespace tolvane
