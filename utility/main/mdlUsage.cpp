#include "mdlUsage.h"

#include <algorithm>
#include <cstdlib>

namespace tolvane {

std::string UsageText() {
    return "usage: tolvane [LANGUAGE] [-Factory] [ROLE...] [--demo] [--edition CODE]\n"
           "       tolvane --help | --version\n"
           "\n"
           "The service utility for thermal label printers: keeps a list of printers,\n"
           "reads and writes their parameters, downloads files, fonts and firmware,\n"
           "and prints test labels.\n"
           "\n"
           "  LANGUAGE          as the first argument, the language of the windows:\n"
           "                    -CN Simplified Chinese, -EN English, -TW Traditional\n"
           "                    Chinese, -JP, -RU, -PT, -ES, -KR (when the language\n"
           "                    file offers it); without it, the locale's language\n"
           "  -Factory          as the first or second argument: the factory switch\n"
           "  ROLE              anywhere, exact case: -SwitchDealer, -SwitchTechnical,\n"
           "                    -SwitchCustomerServicePeople, -SwitchProgrammer\n"
           "  --demo            talk to built-in printer emulators instead of printers;\n"
           "                    your own printer list is not touched\n"
           "  --edition CODE    run as the customer edition CODE for this run\n"
           "  --help, -h        print this text and exit\n"
           "  --version         print the version and exit\n"
           "\n"
           "See tolvane(1), tolvane-cli(1) for the same functions without a display.\n";
}

std::optional<int> AnswerInformationSwitches(const std::vector<std::string>& args, const std::string& version,
                                             std::ostream& out) {
    const auto given = [&args](const char* word) {
        return args.size() > 1 && std::find(args.begin() + 1, args.end(), word) != args.end();
    };
    if (given("--help") || given("-h")) {
        out << UsageText();
        return 0;
    }
    if (given("--version")) {
        out << "tolvane " << version << '\n';
        return 0;
    }
    return std::nullopt;
}

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

} // namespace tolvane
