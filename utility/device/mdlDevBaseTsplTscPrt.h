// The device object of TSPL printers and every other command language, bound
// to Tsprix; an open that answers 5 is retried once.
#pragma once

#include "mdlDevLibraryPrt.h"

namespace tolvane {

class TDevBaseTsplTscPrt : public TDevLibraryPrt {
  public:
    TDevBaseTsplTscPrt() : TDevLibraryPrt(1, TPrtLib::Tsprix, true) {}
};

} // namespace tolvane
