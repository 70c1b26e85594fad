#include "mdlEscCodePages.h"

#include <array>

namespace tolvane::params {
namespace {

// clang-format off
constexpr std::array<TEscCodePage, 50> kTable = {{
    {"Default", 0, true},
    {"PC437(USA:Standard Europe)", 0, true},
    {"Katakana", 1, true},
    {"PC850(Multilingual)", 2, true},
    {"PC860(Portuguese)", 3, true},
    {"PC863(Canadian-French)", 4, true},
    {"PC865(Nordic)", 5, true},
    {"PC857(Turkish)", 13, true},
    {"PC737(Greek)", 14, true},
    {"ISO8859-7(Greek)", 15, true},
    {"WPC1252", 16, true},
    {"PC866(Cyrillic #2)", 17, true},
    {"PC852(Latin 2)", 18, true},
    {"PC858(Euro)", 19, true},
    {"KU42", 20, true},
    {"TIS11(Thai)", 21, true},
    {"TIS18(Thai)", 26, true},
    {"PC720", 32, true},
    {"WPC775", 33, true},
    {"PC855(Cyrillic)", 34, true},
    {"PC862(Hebrew)", 36, true},
    {"PC864(Arabic)", 37, true},
    {"ISO8859-2(Latin2)", 39, true},
    {"ISO8859-15(Latin9)", 40, true},
    {"WPC1250", 45, true},
    {"WPC1251(Cyrillic)", 46, true},
    {"WPC1253", 47, true},
    {"WPC1254", 48, true},
    {"WPC1255", 49, true},
    {"WPC1256", 50, true},
    {"WPC1257", 51, true},
    {"WPC1258", 52, true},
    {"MIK(Cyrillic/Bulgarian)", 54, true},
    {"CP755(East Europe,Latvian 2)", 55, true},
    {"Iran", 56, true},
    {"Iran II", 57, true},
    {"Latvian", 58, true},
    {"ISO-8859-1(West Europe)", 59, true},
    {"ISO-8859-3(Latin 3)", 60, true},
    {"ISO-8859-4(Baltic)", 61, true},
    {"ISO-8859-5(Cyrillic)", 62, true},
    {"ISO-8859-6(Arabic)", 63, true},
    {"ISO-8859-8(Hebrew)", 64, true},
    {"ISO-8859-9(Turkish)", 65, true},
    {"PC856", 66, true},
    {"CP790", 67, false},
    {"ABICOMP", 67, true},
    {"MONGOLIAN", 68, false},
    {"VISCII", 69, false},
    {"PC775", 33, false},
}};
// clang-format on

} // namespace

std::span<const TEscCodePage> EscCodePageTable() {
    return kTable;
}

std::vector<std::string> EscCodePageListNames() {
    std::vector<std::string> names;
    for (const TEscCodePage& page : kTable) {
        if (page.listed) {
            names.emplace_back(page.name);
        }
    }
    return names;
}

uint8_t EscCodePageNumber(std::string_view name) {
    for (const TEscCodePage& page : kTable) {
        if (page.name == name) {
            return page.number;
        }
    }
    return 0;
}

std::string EscCodePageName(uint8_t number) {
    for (const TEscCodePage& page : kTable) {
        if (page.number == number) {
            return std::string(page.name);
        }
    }
    return "0";
}

} // namespace tolvane::params
