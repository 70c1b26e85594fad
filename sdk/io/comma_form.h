// The older comma-separated address form ("COM1,9600", "NET,10.0.0.5",
// "USB", "LPT1", "/dev/ttyUSB0,BAUDRATE_9600") and its conversion into a
// canonical address.
#pragma once

#include <string>

namespace cobrix {

// Converts a comma-form address. 0 with `canonical` filled; -301 too few
// fields, or a result that does not parse; -4 unknown kind word.
int convertCommaForm(const char* text, std::string& canonical);

} // namespace cobrix
