// tolvane-cli run in the test's own process, on the printer libraries the
// test has bound, with its output caught.
#pragma once

#include "mdlCliRun.h"

#include <sstream>
#include <string>
#include <vector>

namespace tolvane::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `args` follow the program name; `input` is the standard input.
inline CliResult RunCliInProcess(const std::vector<std::string>& args, const std::string& input = {},
                                 firmware::TFirmwareWaits firmwareWaits = {}) {
    std::vector<std::string> command{"tolvane-cli"};
    command.insert(command.end(), args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    std::istringstream in(input);
    CliResult result;
    result.status = cli::RunCli(command, {out, err, in, false, false, firmwareWaits});
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace tolvane::test
