// TASetFtnA: the feature assigner. It sets the firmware-generation flags of
// a feature record from the built-in lists, and maps the variant names of
// two families to their family name for the printer-map lookup. One
// instance serves the whole run.
#pragma once

#include "mdlFtnABase.h"

#include <string>

namespace tolvane {

class TASetFtnA {
  public:
    // Sets the six generation flags of record for model (a printer list
    // name). The test choice is offered only while the test-data marker exists.
    void SetFlags(TFtnABase& record, const std::string& model) const;
    // The family name of a variant name; other names unchanged.
    std::string MapVariant(const std::string& name) const;
};

} // namespace tolvane
