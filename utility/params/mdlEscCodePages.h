// The code pages of the ESC printers by the number the parameter block
// stores. Some numbers have two names (0, 33, 67); some names are known to
// the table only and are not offered in the code page list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

struct TEscCodePage {
    std::string_view name;
    uint8_t number;
    bool listed; // offered in the code page list
};

// Every entry in table order.
std::span<const TEscCodePage> EscCodePageTable();
// The names the code page list shows, in table order.
std::vector<std::string> EscCodePageListNames();
// The number of a name (first entry with exactly that name); 0 for a name
// that is not in the table.
uint8_t EscCodePageNumber(std::string_view name);
// The name of a number (the first entry with that number); "0" for a
// number that is not in the table.
std::string EscCodePageName(uint8_t number);

} // namespace tolvane::params
