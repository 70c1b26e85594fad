#include "model_catalogue.h"

#include <cstring>

namespace cobrix {
namespace {

// Model code, vendor, name, display name, description, features, width in
// dots, USB vendor and product, dot pitch. CPCL-capable models carry 0x40.
// The last row closes the table.
constexpr ModelRow kRows[] = {
    {0x1001, "Ostrel", "Vorlan", "Vorlan", "Label printer (TSPL)", 0x01, 832, 0x20d1, 0x7008, 0.125},
    {0x1002, "Ostrel", "Dunmore", "Dunmore", "Label printer (TSPL)", 0x01, 832, 0x20d1, 0x7009, 0.125},
    {0x1003, "Ostrel", "Tormund", "Tormund", "Receipt printer (ESC)", 0x02, 576, 0x20d1, 0x7010, 0.125},
    {0x1004, "Ostrel", "Kavo", "Kavo", "Label printer (TSPL, key-value)", 0x01, 832, 0x20d1, 0x7011, 0.125},
    {0x1005, "Ostrel", "Kavo-300", "Kavo 300", "Label printer 300 dpi (TSPL)", 0x01, 1248, 0x20d1, 0x7012,
     0.0847},
    {0x1006, "Ostrel", "Gulvo", "Gulvo", "Receipt printer (ESC)", 0x02, 576, 0x20d1, 0x7013, 0.125},
    {0x1007, "Ostrel", "Quistel", "Quistel", "Label printer (TSPL)", 0x01, 832, 0x20d1, 0x7014, 0.125},
    {0x2001, "Ostrel", "Corla", "Corla", "Mobile label printer (CPCL)", 0x41, 576, 0x20d1, 0x7101, 0.125},
    {0x2002, "Ostrel", "Corla-2", "Corla 2", "Mobile label printer, 2 inch (CPCL)", 0x41, 384, 0x20d1, 0x7102,
     0.125},
    {0x2003, "Ostrel", "Corla-3", "Corla 3", "Mobile label printer, 3 inch (CPCL)", 0x41, 576, 0x20d1, 0x7103,
     0.125},
    {0x2004, "Ostrel", "Corla-4", "Corla 4", "Mobile label printer, 4 inch (CPCL)", 0x41, 832, 0x20d1, 0x7104,
     0.125},
    {0x2005, "Ostrel", "Sendo", "Sendo", "Mobile receipt and label printer (CPCL, ESC)", 0x43, 576, 0x20d1,
     0x7105, 0.125},
    {0x2006, "Ostrel", "Menvo", "Menvo", "Receipt printer (CPCL)", 0x41, 576, 0x20d1, 0x702c, 0.125},
    {0x2007, "Ostrel", "Sendo-BT", "Sendo BT", "Mobile receipt and label printer with Bluetooth (CPCL)", 0x41,
     576, 0x20d1, 0x7106, 0.125},
    {0x2008, "Ostrel", "Hobbe", "Hobbe", "Label printer (CPCL)", 0x41, 832, 0x20d1, 0x7033, 0.125},
    {0x2009, "Ostrel", "Hobbe-80", "Hobbe 80", "Label printer (CPCL)", 0x41, 576, 0x20d1, 0x7033, 0.125},
    {0x200a, "Ostrel", "Hobbe-80N", "Hobbe 80N", "Label printer, second-generation board (CPCL)", 0x41, 576,
     0x20d1, 0x7107, 0.125},
    {0x200b, "Ostrel", "HobbeBT", "HobbeBT", "Label printer with Bluetooth (CPCL)", 0x41, 832, 0x20d1, 0x7034,
     0.125},
    {0x200c, "Ostrel", "Hobbe-80BT", "Hobbe 80BT", "Label printer with Bluetooth (CPCL)", 0x41, 576, 0x20d1,
     0x7034, 0.125},
    {0x200d, "Ostrel", "Plaskit Hobbe", "Plaskit Hobbe", "Label printer (CPCL)", 0x41, 576, 0x20d1, 0x7033,
     0.125},
    {0x200e, "Ostrel", "Tessin", "Tessin", "Mobile printer (CPCL)", 0x41, 576, 0x20d1, 0x7031, 0.125},
    {0x200f, "Ostrel", "Tessin-58", "Tessin 58", "Mobile printer (CPCL)", 0x41, 384, 0x20d1, 0x7031, 0.125},
    {0x2010, "Ostrel", "TessinBT", "TessinBT", "Mobile printer with Bluetooth (CPCL)", 0x41, 576, 0x20d1,
     0x7032, 0.125},
    {0x2011, "Ostrel", "Tessin-58BT", "Tessin 58BT", "Mobile printer with Bluetooth (CPCL)", 0x41, 384,
     0x20d1, 0x7032, 0.125},
    {0x2012, "Ostrel", "Miro", "Miro", "Mobile label printer (CPCL)", 0x41, 576, 0x20d1, 0x7020, 0.125},
    {0x2013, "Ostrel", "Miro-T4", "Miro T4", "Mobile label printer, 2 inch (CPCL)", 0x41, 384, 0x20d1, 0x7108,
     0.125},
    {0x2014, "Ostrel", "Miro-T6", "Miro T6", "Mobile label printer, 3 inch (CPCL)", 0x41, 576, 0x20d1, 0x7109,
     0.125},
    {0x2015, "Ostrel", "Miro-T6BT", "Miro T6BT", "Mobile label printer, 3 inch, with Bluetooth (CPCL)", 0x41,
     576, 0x20d1, 0x710a, 0.125},
    {0x2016, "Ostrel", "Miro-T6R", "Miro T6R", "Mobile label printer, 3 inch, RFID (CPCL)", 0x41, 576, 0x20d1,
     0x710b, 0.125},
    {0x2017, "Ostrel", "MiroC", "MiroC", "Mobile label printer with cutter (CPCL)", 0x41, 576, 0x20d1, 0x7021,
     0.125},
    {0x2018, "Ostrel", "Lorvik", "Lorvik", "Label printer (CPCL)", 0x41, 832, 0x20d1, 0x703a, 0.125},
    {0x2019, "Ostrel", "Ruvex", "Ruvex", "Label printer (CPCL)", 0x41, 832, 0x20d1, 0x702e, 0.125},
    {0x201a, "Ostrel", "Ruvex-BT", "Ruvex BT", "Label printer with Bluetooth (CPCL)", 0x41, 832, 0x20d1,
     0x702f, 0.125},
    {0x201b, "Ostrel", "Navra", "Navra", "Mobile label printer with Ethernet (CPCL)", 0x41, 576, 0x20d1,
     0x710c, 0.125},
    {0x201c, "Ostrel", "Dessa", "Dessa", "Mobile label printer with Ethernet (CPCL)", 0x41, 576, 0x20d1,
     0x710d, 0.125},
    {0x201d, "Ostrel", "Solby", "Solby", "Mobile label printer with Ethernet (CPCL)", 0x41, 576, 0x20d1,
     0x710e, 0.125},
    {0, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0.0},
};

} // namespace

const ModelRow* findModel(std::span<const ModelRow> catalogue, const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    for (const ModelRow& row : catalogue) {
        if (row.name != nullptr && std::strcmp(row.name, name) == 0) {
            return &row;
        }
    }
    return nullptr;
}

std::span<const ModelRow> cobrixCatalogue() {
    return kRows;
}

} // namespace cobrix
