// A printer of each parameter-block family, listed under a catalogue model
// of the family, on the emulator profile of its block layout.
#pragma once

#include "mdlBlockFamilies.h"

namespace tolvane::test {

struct FamilyCase {
    params::TBlockFamily family;
    const char* listName;
    const char* profile;
};

inline constexpr FamilyCase kBlockFamilyPrinters[] = {
    {params::TBlockFamily::Pelso, "Pelso-80", "pelso_esc.profile"},
    {params::TBlockFamily::Tramwe, "Tramwe-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Gulvo, "Gulvo-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Gulvo_Tarnik, "Gulvo-58", "gulvo_esc.profile"},
    {params::TBlockFamily::Dovrin, "Tallis", "tallis_tspl.profile"},
    {params::TBlockFamily::Dovrin_Tarnik, "Halden", "tallis_tspl.profile"},
    {params::TBlockFamily::Dovrin_Brenn, "Tallis-Lite", "tallis_tspl.profile"},
    {params::TBlockFamily::Quist, "Quist", "quist_tspl.profile"},
    {params::TBlockFamily::Quist_Tarnik, "Quist", "quist_tspl.profile"},
    {params::TBlockFamily::Sendo, "TessinBT", "tessin_cpcl.profile"},
    {params::TBlockFamily::Velko, "Velko-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Oskin, "Oskin-80BT", "oskin_esc.profile"},
    {params::TBlockFamily::Kesto, "Kesto-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Fenno, "Fenno-58", "gulvo_esc.profile"},
    {params::TBlockFamily::Ombra, "Ombra-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Pirvo, "Pirvo-58", "gulvo_esc.profile"},
    {params::TBlockFamily::Lunec, "Lunec-80", "gulvo_esc.profile"},
    {params::TBlockFamily::Dapra, "Dapra-D2", "gulvo_esc.profile"},
};

} // namespace tolvane::test
