// The USB devices attached to the machine, as sysfs lists them under
// ROOT/sys/bus/usb/devices (ROOT from COBRIX_SYSFS_ROOT, like the USB port
// kind of the SDK).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace halvix {

struct UsbDevice {
    std::string busPath; // the sysfs name: "usb1" for a root hub, else such as 1-1.4
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string manufacturer; // as the device reports it; may be empty
    std::string product;      // as the device reports it; may be empty
    std::string serial;       // may be empty
};

// Every device whose vendor and product identifiers can be read, ordered by
// bus number and then by port path compared number by number. Interfaces
// (names with ':') and anything that is not a device are left out. Empty when
// the folder cannot be read.
std::vector<UsbDevice> listUsbDevices();

// The name shown for a device: manufacturer and product joined by a blank,
// or "USB device " + bus path when it reports neither.
std::string deviceName(const UsbDevice& device);

// "USB\VID_xxxx&PID_yyyy\" + serial number, or + bus path without one.
std::string hardwareIdentifier(const UsbDevice& device);

} // namespace halvix
