// The attached USB devices as the USB information library (Halvix) lists
// them, with the identity text of each.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

struct TUsbDeviceIdentity {
    std::string Name;
    // The non-zero bytes of the identifier the library gives, in order; it
    // contains the device's "VID_xxxx&PID_yyyy".
    std::string Identity;
};

// Asks the library for the count, then for each index with buffers of 255
// bytes cleared before the call. Devices whose description fails are left out.
std::vector<TUsbDeviceIdentity> ListUsbDeviceIdentities();

} // namespace tolvane
