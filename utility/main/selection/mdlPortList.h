// The serial and parallel ports the printer management dialog offers, read
// from the system: serial ports with a real UART ("COMn:" for /dev/ttyS(n-1)),
// USB serial adapters and modems (/dev/ttyUSB*, /dev/ttyACM*), parallel
// ports ("LPTn:" for /dev/lp(n-1)) and USB printer nodes (/dev/usb/lp*).
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// Where the listing looks; tests point it at a fake tree.
struct TPortRoots {
    std::string Dev = "/dev/";
    std::string Sys = "/sys/";
};
void SetPortRoots(const TPortRoots& roots);
const TPortRoots& PortRoots();

struct TPortListing {
    std::vector<std::string> Names; // in port order
    bool NonePresent = false;       // the system has no serial or parallel port at all
    std::string Error;              // set when the device folder cannot be read
};

// The ports of a kind, "COM" or "LPT" (any other kind lists nothing).
TPortListing ListPorts(const std::string& kind);

// The address part of a listed port name: the name with its first ":"
// removed ("COM1:" gives "COM1", "/dev/ttyUSB0" stays as it is).
std::string PortAddressOfName(const std::string& name);

} // namespace tolvane
