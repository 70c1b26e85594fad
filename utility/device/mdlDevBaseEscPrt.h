// The device object of ESC printers, bound to Escrix.
#pragma once

#include "mdlDevLibraryPrt.h"

namespace tolvane {

class TDevBaseEscPrt : public TDevLibraryPrt {
  public:
    TDevBaseEscPrt() : TDevLibraryPrt(0, TPrtLib::Escrix, false) {}
};

} // namespace tolvane
