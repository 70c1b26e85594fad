// tolvane-cli's print-text and scan-test on the selected printer: the
// test-print and scan-test dialogs driven as the main window's buttons and
// a user would drive them.
#pragma once

#include "mdlCliOptions.h"
#include "mdlCliSink.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace tolvane::cli {

// A command-line text with "\n" as a line break and "\\" as a backslash.
std::string UnescapeCliText(std::string_view text);

// The exit status of the command.
int RunPrintText(const TCliOptions& options, TCliSink& sink, std::ostream& out, std::ostream& err);
int RunScanTest(const TCliOptions& options, TCliSink& sink, std::ostream& out, std::ostream& err);

} // namespace tolvane::cli
