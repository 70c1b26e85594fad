// The default paper width of a model, in millimetres, as text.
#pragma once

#include <string>

namespace tolvane {

// From the catalogue, first match: "FTN_PaperWidth_1" → "72" ("720" in debug
// mode), "PaperWidth56" → "56", "PaperWidth80" → "80", "PaperWidth108" →
// "108", else "48". Each list is searched for model + "," (the name may end
// a longer name in the list). An empty model gets "48".
std::string DefaultPaperWidth(const std::string& model);

} // namespace tolvane
