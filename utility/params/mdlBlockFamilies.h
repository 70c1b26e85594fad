// The printer families whose settings live in the 256-byte parameter block.
// They share one dialog; what tells them apart is data: which byte holds
// which control in which encoding (mdlBlockLayouts) and which controls the
// window shows (mdlBlockForms).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane::params {

enum class TBlockFamily : uint8_t {
    Pelso,
    Tramwe,
    Gulvo,
    Gulvo_Tarnik,
    Dovrin,
    Dovrin_Tarnik,
    Dovrin_Brenn,
    Quist,
    Quist_Tarnik,
    Sendo,
    Velko,
    Oskin,
    Kesto,
    Fenno,
    Ombra,
    Pirvo,
    Lunec,
    Dapra,
};
inline constexpr std::size_t kBlockFamilyCount = 18;

// A set of families, one bit each.
using TFamilySet = uint32_t;

constexpr TFamilySet FamilyBit(TBlockFamily family) {
    return TFamilySet{1} << static_cast<unsigned>(family);
}
template <typename... F>
constexpr TFamilySet FamilySet(F... families) {
    return (FamilyBit(families) | ...);
}
constexpr bool InFamilySet(TFamilySet set, TBlockFamily family) {
    return (set & FamilyBit(family)) != 0;
}

const std::array<TBlockFamily, kBlockFamilyCount>& AllBlockFamilies();
// The family's token as class names and language keys use it ("Gulvo_Tarnik").
std::string_view FamilyToken(TBlockFamily family);
// "T_frmParaSet_" and the token.
std::string BlockDialogClassName(TBlockFamily family);
// The family of a dialog class name; nothing for other classes.
std::optional<TBlockFamily> BlockFamilyOfClass(std::string_view className);

} // namespace tolvane::params
