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
