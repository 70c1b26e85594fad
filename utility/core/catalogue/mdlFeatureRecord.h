// The current feature record and the feature assigner, program-wide.
#pragma once

#include "mdlASetFtnA.h"
#include "mdlFtnABase.h"

#include <string>

namespace tolvane {

// Process start: the plain record becomes current and the assigner is made.
void CreateFeatureObjects();
// After the message loop: both are freed.
void FreeFeatureObjects();

// Selection of a printer: the record of the class chosen for the list name
// replaces the current one, is cleared, filled by its four fill operations in
// slot order, and gets its flags from the assigner.
TFtnABase& SelectFeatureRecord(const std::string& listName);

// The current record (a plain one until the first selection).
TFtnABase& CurrentFeatureRecord();
// The assigner (made on first use when the start-up step has not run).
const TASetFtnA& FeatureAssigner();

} // namespace tolvane
