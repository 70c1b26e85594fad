// The program's own answers on the command line: --help and --version are
// answered before anything else starts (no display, no printer, no files).
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tolvane {

// The switches of `tolvane` with what each does, as --help prints them.
std::string UsageText();

// When the command line asks for --help (-h) or --version, writes the
// answer to `out` and gives the exit status; otherwise nothing.
std::optional<int> AnswerInformationSwitches(const std::vector<std::string>& args, const std::string& version,
                                             std::ostream& out);

// Whether the window system can be reached: a display of X or Wayland, or a
// platform chosen by QT_QPA_PLATFORM (such as offscreen).
bool DisplayAvailable();

} // namespace tolvane
