// tolvane-cli's font and TSPL file commands: the font dialogs and the TSPL
// file manager without a window.
//
//   fonts list
//   fonts download FILE [--memory flash|ram]
//   fonts delete NAME | fonts delete --all
//   fonts test-print NAME TEXT [--width MM --height MM]
//   userfont download FILE --encoding GBK|BIG5|JIS|EUC|ASCII
//   tspl-files list [--position N|F]
//   tspl-files run NAME
//   tspl-files delete NAME|--position-all|--all [--position N|F]
//   tspl-files download FILE... [--position N|F]
//   tspl-files space [--position N|F]
#pragma once

#include "mdlCliRun.h"
#include "mdlCliSink.h"

#include <string>
#include <vector>

namespace tolvane::cli {

// Whether a command word is one of these commands.
bool IsFontCommand(const std::string& word);
std::string FontsHelp();
// Checks the words after the command; empty when well formed, else the error.
std::string CheckFontArguments(const std::string& command, const std::vector<std::string>& args);
// Runs the command on the selected, detected printer.
int RunFontCommand(const std::string& command, const std::vector<std::string>& args, TCliStreams streams,
                   TCliSink& sink);

} // namespace tolvane::cli
