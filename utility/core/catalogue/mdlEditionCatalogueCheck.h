// The start-up check of an edition whose record asks for it
// (CatalogueCheck): four catalogue values must equal the edition's built-in
// lists; each one that differs is reported in the program's message box.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class TOemClass;

// The messages of the catalogue values that differ, in check order; none
// for an edition without the check.
std::vector<std::string> EditionCatalogueMismatches(const TOemClass& edition);

// Main window first show: shows each message of the current edition with
// TGlobalVar's message box.
void CheckEditionCatalogue();

} // namespace tolvane
