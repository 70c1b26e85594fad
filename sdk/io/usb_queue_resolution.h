// Which attached USB printer a printer queue's device URI names.
#pragma once

#include "usb_enumeration.h"

#include <string>
#include <vector>

namespace cobrix {

// What a device URI says about its printer. usb://Maker/Model?serial=S gives
// the serial number, ?location=1-1.4 the bus path, usb:/dev/usb/lpN the node;
// other schemes give nothing.
struct QueuePrinterKey {
    bool empty = true; // the URI itself is empty
    std::string serial;
    std::string location;
    std::string node;
};

QueuePrinterKey queuePrinterKey(const std::string& deviceUri);

// Among the supported printers (the special device is not one of them): 0 with
// the location of the printer the URI names; -1 when the URI is empty; -10
// when no supported printer fits; -8 when no supported printer is attached.
int resolveQueueLocation(const std::string& deviceUri, const std::vector<UsbPrinterInfo>& printers,
                         std::string& location);

} // namespace cobrix
