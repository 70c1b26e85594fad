// Model lists: texts of model names, each followed by a comma and the first
// preceded by one (",A,B,C,"). A model has a feature when "," + model + ","
// occurs in the feature's list.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

bool IsModelInList(std::string_view model, std::string_view list);

} // namespace tolvane
