// Device names of addresses and the device files they stand for.
#pragma once

#include <string>

namespace cobrix {

// Linux path of a serial or parallel device name: a name beginning with "/"
// is used as it is, COMn is /dev/ttyS(n-1), LPTn is /dev/lp(n-1) (both
// without regard to case), any other name is looked up under /dev/.
std::string devicePathFor(const std::string& deviceName);

// The device name field of the USB, network and Bluetooth contexts.
inline constexpr size_t kDeviceNameField = 31;

} // namespace cobrix
