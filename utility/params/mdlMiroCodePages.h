// The five code page lists of the Miro dialog. Each entry is
// "number=number : description : name"; the printer exchanges the number.
#pragma once

#include <string>
#include <vector>

namespace tolvane::params {

enum class TMiroCodePageList { None, A, B, C, D, E };

const std::vector<std::string>& MiroCodePages(TMiroCodePageList list);

// The list a printer gets: by its list name (A), its resolved model (B to
// D, or E), and for the models that speak two languages by the language
// the printer reports ("cpcl": A, "esc": E, anything else: none).
TMiroCodePageList ChooseMiroCodePageList(const std::string& listName, const std::string& model,
                                         const std::string& language);

} // namespace tolvane::params
