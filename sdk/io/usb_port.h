// USB printer-class ports (bus "USB").
#pragma once

#include "port_ops.h"

#include <memory>

namespace cobrix {

// A new USB port context, or nullptr while this build has no USB port kind.
std::unique_ptr<PortOps> makeUsbPort();

} // namespace cobrix
