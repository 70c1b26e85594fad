// Opening through Escrix and Cobrix: a plain PortOpen on the library's handle.
#pragma once

#include "mdlPrinterLibLoad.h"

#include <string>

namespace tolvane {

// -6 without a handle (no library call), else PortOpen's result.
int PrtLib_OpenDirect(TPrtLib lib, const std::string& address);

} // namespace tolvane
