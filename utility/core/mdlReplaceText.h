// Filling a language text's place holders.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// The text with every "{first}" replaced by values[0], every "{first+1}" by
// values[1], and so on. The text is read once from left to right, so a
// value that itself holds a place holder stays as it is; a place holder
// without a value stays too.
std::string ReplaceNumbered(const std::string& text, const std::vector<std::string>& values, int first = 0);

// The text with every "{0}" replaced by value.
std::string ReplaceText(const std::string& text, const std::string& value);

} // namespace tolvane
