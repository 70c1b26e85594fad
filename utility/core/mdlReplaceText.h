// Filling a language text's place holder.
#pragma once

#include <string>

namespace tolvane {

// The text with every "{0}" replaced by value (a "{0}" inside value stays
// as it is).
std::string ReplaceText(std::string text, const std::string& value);

} // namespace tolvane
