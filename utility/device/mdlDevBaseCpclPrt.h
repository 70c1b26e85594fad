// The device object of CPCL printers, bound to Cobrix.
#pragma once

#include "mdlDevLibraryPrt.h"

namespace tolvane {

class TDevBaseCpclPrt : public TDevLibraryPrt {
  public:
    TDevBaseCpclPrt() : TDevLibraryPrt(3, TPrtLib::Cobrix, false) {}
};

} // namespace tolvane
