// tolvane-cli: reads, backs up and sets the parameters of the utility's
// printers from a script, without a window (see mdlCliOptions.h).
#include "mdlCliRun.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    return tolvane::cli::RunCli(args, {std::cout, std::cerr, std::cin, true, ::isatty(2) == 1});
}
