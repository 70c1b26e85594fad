#include "mdlPrinterIdentity.h"

namespace tolvane {

TPrinterIdentity& PrinterIdentity() {
    static TPrinterIdentity identity;
    return identity;
}

} // namespace tolvane
