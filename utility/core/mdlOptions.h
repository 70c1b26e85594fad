// The option file "Option.ini" (section "Option") and the per-user system
// parameter file "PrtConfig_SysPm.ini" (section "SysPm").
#pragma once

#include <string>

namespace tolvane {

// "ToolType": "Label" or "Mobile"; when empty or missing, "Mobile" for the
// numeric flavour 1 and "Label" otherwise. An edition chosen on the command
// line (mdlEditionSwitch.h) replaces both options.
std::string ReadOptionToolType();
// "OemCo": the edition code, empty by default.
std::string ReadOptionOemCo();

// Reads both options into the globals ToolType and OemCo and writes them to
// the debug log as "ToolType:" + value and "OemCo:" + value.
void ReadOptions();

// Prepares the system parameter file: creates it empty when missing, writes
// an empty "ToolLang" when the section or key is missing. Returns the saved
// value of "ToolLang".
std::string PrepareSysPmFile(const std::string& path);
// Stores value as "ToolLang"; false when the file cannot be written.
bool SaveToolLang(const std::string& path, const std::string& value);

} // namespace tolvane
