// tolvane-cli as a function: the program's main calls it with the real
// streams, the tests in-process with their own.
#pragma once

#include "mdlFirmwareWaits.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tolvane::cli {

// Exit status of the program.
inline constexpr int kExitDone = 0;
inline constexpr int kExitPrinterError = 1;
inline constexpr int kExitBadInput = 2;

struct TCliStreams {
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    // Whether to bind the SDK libraries from the program's folder (a test
    // that bound them itself says no).
    bool bindLibraries = true;
    // Whether progress lines go to `err` (the program: when it is a terminal).
    bool progress = false;
    // The waits of the firmware exchanges (tests pass short ones).
    firmware::TFirmwareWaits firmwareWaits = {};
};

int RunCli(const std::vector<std::string>& args, TCliStreams streams);

} // namespace tolvane::cli
