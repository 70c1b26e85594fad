// "--edition CODE" on the command line: runs the program as an edition
// without editing "Option.ini". CODE is an edition code (such as
// "Label_Lingua"), whose flavour word before the first "_" becomes ToolType,
// or a flavour word alone ("Label", "Mobile") for that flavour's base
// edition. The choice replaces "ToolType" and "OemCo" of the option file.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

struct TEditionChoice {
    std::string ToolType;
    std::string OemCo;
};

// The choice of a CODE; nullopt with error set when CODE is not one.
std::optional<TEditionChoice> ParseEditionCode(const std::string& code, std::string& error);

// Removes "--edition CODE" (or "--edition=CODE") from args and makes it the
// choice. False, with error set, when CODE is missing or malformed.
bool TakeEditionSwitch(std::vector<std::string>& args, std::string& error);

// The choice in force (nullopt: the option file decides).
const std::optional<TEditionChoice>& EditionOverride();
void SetEditionOverride(std::optional<TEditionChoice> choice);

} // namespace tolvane
