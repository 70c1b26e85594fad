// TDevData: a small record carried by every device object.
#pragma once

#include "mdlConstVar.h"

#include <string>

namespace tolvane {

class TDevData {
  public:
    // Starts from the thirteenth code of TConstVar.
    int Value = TConstVar::Nth(13);
    std::string TextA;
    std::string TextB;
};

} // namespace tolvane
