#include "usb_port.h"

namespace cobrix {

// USB printer-class ports are not offered yet: opening one answers -4.
std::unique_ptr<PortOps> makeUsbPort() { return nullptr; }

} // namespace cobrix
