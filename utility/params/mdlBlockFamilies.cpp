#include "mdlBlockFamilies.h"

namespace tolvane::params {
namespace {

using enum TBlockFamily;

constexpr std::array<TBlockFamily, kBlockFamilyCount> kFamilies = {
    Pelso, Tramwe, Gulvo, Gulvo_Tarnik, Dovrin, Dovrin_Tarnik, Dovrin_Brenn, Quist, Quist_Tarnik,
    Sendo, Velko,  Oskin, Kesto,        Fenno,  Ombra,         Pirvo,        Lunec, Dapra,
};

constexpr std::array<std::string_view, kBlockFamilyCount> kTokens = {
    "Pelso",        "Tramwe", "Gulvo",        "Gulvo_Tarnik", "Dovrin", "Dovrin_Tarnik",
    "Dovrin_Brenn", "Quist",  "Quist_Tarnik", "Sendo",        "Velko",  "Oskin",
    "Kesto",        "Fenno",  "Ombra",        "Pirvo",        "Lunec",  "Dapra",
};

constexpr std::string_view kClassPrefix = "T_frmParaSet_";

} // namespace

const std::array<TBlockFamily, kBlockFamilyCount>& AllBlockFamilies() {
    return kFamilies;
}

std::string_view FamilyToken(TBlockFamily family) {
    return kTokens[static_cast<std::size_t>(family)];
}

std::string BlockDialogClassName(TBlockFamily family) {
    return std::string(kClassPrefix) + std::string(FamilyToken(family));
}

std::optional<TBlockFamily> BlockFamilyOfClass(std::string_view className) {
    if (className.substr(0, kClassPrefix.size()) != kClassPrefix) {
        return std::nullopt;
    }
    const std::string_view token = className.substr(kClassPrefix.size());
    for (const TBlockFamily family : kFamilies) {
        if (FamilyToken(family) == token) {
            return family;
        }
    }
    return std::nullopt;
}

} // namespace tolvane::params
