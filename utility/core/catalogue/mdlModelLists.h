// The built-in model lists, built once from the program's data
// (mdlCatalogueData.cpp) and unchanged for the rest of the run.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Builds every table; later calls do nothing. The first lookup builds them
// too, so the order of start-up steps cannot leave a list empty.
void BuildModelLists();

// The built-in list of that name (mdlModelListNames.h); empty for an unknown name.
const std::string& BuiltInList(std::string_view name);
// IsModelInList(model, BuiltInList(name)).
bool InBuiltInList(std::string_view name, std::string_view model);

// The list appended to the catalogue value of a key of section
// "ParameterSet"; empty for keys without one. Key names compare without
// regard to ASCII case, as INI keys do.
const std::string& CatalogueAddition(std::string_view key);

// The built-in list of a feature number key ("FTNNo_..."); empty when unknown.
const std::string& FeatureNumberList(std::string_view key);

} // namespace tolvane
