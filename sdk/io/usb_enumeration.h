// The attached USB printers that the kernel's usblp driver serves, read from
// sysfs. Each printer-class interface bound to usblp shows up as
// /sys/class/usbmisc/lpN and has the device node /dev/usb/lpN.
//
// The environment variable COBRIX_SYSFS_ROOT, when set, names a folder that
// stands for the file-system root (sysfs under ROOT/sys, nodes under
// ROOT/dev); it is read again on every call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cobrix {

struct UsbPrinterInfo {
    std::string hardwareId; // "USB\VID_xxxx&PID_yyyy", upper-case hexadecimal
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string location;   // the device's bus path, such as 1-1.4; empty when unreadable
    std::string node;       // the usblp node name, such as lp0
    std::string serial;     // the device's serial number; empty when it has none
    std::string devicePath; // ROOT/dev/usb/lpN
};

// The printers in node order (lp0, lp1, ..., lp10). Interfaces whose vendor or
// product identifier cannot be read are left out. Empty when sysfs cannot be read.
std::vector<UsbPrinterInfo> enumerateUsbPrinters();

// The same, with the reason when nothing can be listed: 0 with the list;
// -300 when no usblp interface is present at all; a positive system code when
// sysfs cannot be read.
int listUsbPrinters(std::vector<UsbPrinterInfo>& printers);

// The folder that stands for "/": COBRIX_SYSFS_ROOT, or "" for the real root.
std::string usbFileSystemRoot();

} // namespace cobrix
