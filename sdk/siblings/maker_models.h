// The maker's printer models that the sibling libraries serve, and the
// construction of a library's model table from them.
//
// Both siblings accept every model name the utility passes to PrinterCreator
// (the catalogue models and the map models), so both tables are built from
// this one list; each library gives its rows its own codes and flags.
#pragma once

#include "model_catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace cobrix::siblings {

struct MakerModel {
    const char* name; // the lookup key, exact and case-sensitive
    const char* description;
    int32_t widthDots;
    uint16_t usbProduct;
};

inline constexpr uint16_t kMakerUsbVendor = 0x20d1;

inline constexpr MakerModel kMakerModels[] = {
    {"Vorlan", "Label printer", 832, 0x7008},
    {"Dunmore", "Label printer", 832, 0x7009},
    {"Tormund", "Receipt printer", 576, 0x7010},
    {"Kavo", "Label printer, key-value parameters", 832, 0x7011},
    {"Kavo-300", "Label printer, 300 dpi", 1248, 0x7012},
    {"Gulvo", "Receipt printer", 576, 0x7013},
    {"Quistel", "Label printer", 832, 0x7014},
    {"Quistel-C", "Label printer with cutter", 832, 0x7015},
    {"Quist", "Label printer", 832, 0x7016},
    {"Dresk", "Desktop label printer", 832, 0x7017},
    {"Pelso", "Receipt printer", 576, 0x7018},
    {"Bexley", "Label printer", 832, 0x7019},
    {"Tramwe", "Label printer", 832, 0x701a},
    {"Tallis", "Label printer", 832, 0x701b},
    {"Tallis_NoNet", "Label printer without network", 832, 0x701c},
    {"Pirvo", "Receipt printer", 576, 0x701d},
    {"PirvoE", "Receipt printer with Ethernet", 576, 0x701e},
    {"Lunec", "Label printer", 832, 0x701f},
    {"Sendo", "Mobile receipt and label printer", 576, 0x7105},
    {"Miro", "Mobile label printer", 576, 0x7020},
    {"MiroC", "Mobile label printer with cutter", 576, 0x7021},
    {"Velko", "Label printer", 832, 0x7022},
    {"Oskin", "Receipt printer", 576, 0x7023},
    {"Ombra", "Label printer", 832, 0x7024},
    {"Fenno", "Receipt printer", 576, 0x7025},
    {"Dapra", "Receipt and label printer", 576, 0x7026},
    {"Kesto", "Label printer", 832, 0x7027},
    {"Ardel", "Industrial label printer", 832, 0x7028},
    {"Brisco", "Label printer", 832, 0x7029},
    {"Calder", "Label printer", 832, 0x702a},
    {"Halden", "Label printer", 832, 0x702b},
    {"Menvo", "Receipt printer", 576, 0x702c},
    {"Pattik", "Label printer", 832, 0x702d},
    {"Ruvex", "Label printer", 832, 0x702e},
    {"Ruvex-BT", "Label printer with Bluetooth", 832, 0x702f},
    {"Ruvad", "Label printer", 832, 0x7030},
    {"Tessin", "Mobile printer", 576, 0x7031},
    {"TessinBT", "Mobile printer with Bluetooth", 576, 0x7032},
    {"Hobbe", "Label printer", 832, 0x7033},
    {"HobbeBT", "Label printer with Bluetooth", 832, 0x7034},
    {"Norla", "Label printer", 832, 0x7035},
    {"NorlaBT", "Label printer with Bluetooth", 832, 0x7036},
    {"Wendle", "Label printer", 832, 0x7037},
    {"Jostra", "Label printer", 832, 0x7038},
    {"Ferune", "Label printer", 832, 0x7039},
    {"Lorvik", "Label printer", 832, 0x703a},
    {"Corla", "Mobile label printer", 576, 0x7101},
    {"Corla-2", "Mobile label printer, 2 inch", 384, 0x7102},
    {"Corla-3", "Mobile label printer, 3 inch", 576, 0x7103},
    {"Corla-4", "Mobile label printer, 4 inch", 832, 0x7104},
    {"Kavo-200", "Label printer, key-value parameters", 832, 0x7040},
    {"Kavo-300R", "Label printer, 300 dpi, RFID", 1248, 0x7041},
    {"Wendle-2", "Label printer", 832, 0x7037},
    {"Wendle-3", "Label printer, second-generation board", 832, 0x7042},
    {"Jostra-V1", "Label printer, first firmware generation", 832, 0x7038},
    {"Jostra-V2", "Label printer, second firmware generation", 832, 0x7038},
    {"Dresk-4T", "Desktop label printer", 832, 0x7043},
    {"Dresk-4TN", "Desktop label printer with network", 832, 0x7044},
    {"Tallis-Lite", "Label printer without network", 832, 0x701c},
    {"Quist-T2", "Label printer", 832, 0x7008},
    {"Quist-T3", "Label printer", 832, 0x7045},
    {"Quist-T4", "Label printer, second-generation board", 832, 0x7046},
    {"Quistor", "Label printer", 832, 0x7047},
    {"Gulvo-58", "Receipt and label printer, 58 mm", 448, 0x7048},
    {"Gulvo-80", "Receipt and label printer, 80 mm", 576, 0x7049},
    {"Velko-80", "Label printer", 832, 0x704a},
    {"Norla-80", "Label printer", 832, 0x7035},
    {"Norla-80N", "Label printer, second-generation board", 832, 0x704b},
    {"NorlaBT-80", "Label printer with Bluetooth", 832, 0x7036},
    {"Ombra-80", "Label printer", 832, 0x704c},
    {"Ferune-A", "Label printer, first firmware generation", 832, 0x7039},
    {"Ferune-B", "Label printer, second firmware generation", 832, 0x7039},
    {"Kesto-80", "Label printer", 832, 0x704d},
    {"Kesto-Z4", "Label printer (ZPL)", 832, 0x704e},
    {"Ruvad-2", "Label printer", 832, 0x7030},
    {"Ruvad-3", "Label printer, second-generation board", 832, 0x704f},
    {"Wexby", "Label printer (ZPL)", 832, 0x7050},
    {"Ganlow", "Label printer (ZPL)", 832, 0x7051},
    {"Pelso-58", "Receipt printer, 58 mm", 384, 0x7052},
    {"Pelso-80", "Receipt printer, 80 mm", 576, 0x7053},
    {"Corbel", "Receipt printer", 576, 0x7054},
    {"Tramwe-80", "Receipt printer", 576, 0x7055},
    {"Pirvo-58", "Receipt printer, 58 mm", 384, 0x7056},
    {"Lunec-80", "Receipt printer", 576, 0x7057},
    {"Oskin-58", "Receipt printer, 58 mm", 384, 0x7058},
    {"Oskin-80BT", "Receipt printer with Bluetooth", 576, 0x7059},
    {"Fenno-58", "Receipt printer, 58 mm", 384, 0x705a},
    {"Dapra-D2", "Receipt and label printer", 576, 0x705b},
    {"Dapra-D3", "Receipt and label printer", 576, 0x705c},
    {"Sendo-BT", "Mobile receipt and label printer with Bluetooth", 576, 0x7106},
    {"Hobbe-80", "Label printer", 576, 0x7033},
    {"Hobbe-80N", "Label printer, second-generation board", 576, 0x7107},
    {"Hobbe-80BT", "Label printer with Bluetooth", 576, 0x7034},
    {"Plaskit Hobbe", "Label printer", 576, 0x7033},
    {"Tessin-58", "Mobile printer", 384, 0x7031},
    {"Tessin-58BT", "Mobile printer with Bluetooth", 384, 0x7032},
    {"Miro-T4", "Mobile label printer, 2 inch", 384, 0x7108},
    {"Miro-T6", "Mobile label printer, 3 inch", 576, 0x7109},
    {"Miro-T6BT", "Mobile label printer, 3 inch, with Bluetooth", 576, 0x710a},
    {"Miro-T6R", "Mobile label printer, 3 inch, RFID", 576, 0x710b},
    {"Navra", "Mobile label printer with Ethernet", 576, 0x710c},
    {"Dessa", "Mobile label printer with Ethernet", 576, 0x710d},
    {"Solby", "Mobile label printer with Ethernet", 576, 0x710e},
};

inline constexpr size_t kMakerModelCount = std::size(kMakerModels);

// A library's table: one row per maker model, codes counting up from
// `codeBase`, then the closing row.
constexpr std::array<ModelRow, kMakerModelCount + 1> buildModelTable(int32_t codeBase, const char* vendor,
                                                                     uint32_t features) {
    std::array<ModelRow, kMakerModelCount + 1> rows{};
    for (size_t i = 0; i < kMakerModelCount; ++i) {
        const MakerModel& m = kMakerModels[i];
        rows[i] = ModelRow{codeBase + static_cast<int32_t>(i),
                           vendor,
                           m.name,
                           m.name,
                           m.description,
                           features,
                           m.widthDots,
                           kMakerUsbVendor,
                           m.usbProduct,
                           m.widthDots > 1000 ? 0.0847 : 0.125};
    }
    rows[kMakerModelCount] = ModelRow{0, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0.0};
    return rows;
}

// The table of the library being built; each sibling defines its own.
std::span<const ModelRow> siblingCatalogue();

} // namespace cobrix::siblings
