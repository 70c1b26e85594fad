// Which attached USB printer a USB port takes: the supported identifiers,
// the special device, and the search over the printers in enumeration order.
#pragma once

#include "usb_enumeration.h"

#include <string>
#include <vector>

namespace cobrix {

// True when the upper-cased hardware identifier names a supported printer.
bool isSupportedUsbPrinter(const std::string& hardwareId);

// True when it names the special device, whose reads can be switched off.
bool isSpecialUsbDevice(const std::string& hardwareId);

// What a USB port asks for.
struct UsbSearch {
    bool anyDevice = true;  // take the first supported printer
    std::string location;   // when set (and not anyDevice): the bus path, compared exactly
    std::string nameFilter; // when set: contained in the node name or the serial number
};

// The outcome of a search: 0 with the printer taken, or -372 when none fits.
struct UsbSearchResult {
    int result = 0;
    UsbPrinterInfo printer;
    bool special = false;
};

UsbSearchResult searchUsbPrinter(const std::vector<UsbPrinterInfo>& printers, const UsbSearch& search);

} // namespace cobrix
