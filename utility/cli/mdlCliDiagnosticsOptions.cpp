#include "mdlCliDiagnosticsOptions.h"

#include <algorithm>
#include <charconv>

namespace tolvane::cli {
namespace {

const char* const kSendHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) send [--hex] TEXT\n"
    "       tolvane-cli ... send [--hex] --file FILE [--read N] [--repeat N [--interval MS]]\n"
    "\n"
    "Sends a raw command through the command test, as its window does. TEXT is\n"
    "sent as text in the interface language's code page (a line feed goes as CR LF);\n"
    "with --hex it is hexadecimal bytes (\"1B 40\", \"0x1B,0x40\"). --file takes the\n"
    "command from FILE (at most 1 MiB): with --hex its bytes are sent unchanged.\n"
    "\n"
    "  --read N        read up to N bytes (1 to 256) after each send and print them\n"
    "                  as hexadecimal text (\"1B 40 \"): one second after a single\n"
    "                  send, 100 ms after each cyclic one\n"
    "  --repeat N      send N times (1 to 1000000), one send every --interval MS\n"
    "                  (100 to 999999, default 1000)\n";

const char* const kReadHelp = "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) read [N]\n"
                              "\n"
                              "Reads up to N bytes (1 to 256, default 256) that the printer sent, as the\n"
                              "command test's read button does, and prints them as hexadecimal text.\n";

const char* const kStatusHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) status [--json]\n"
    "\n"
    "Reads the printer's status block and prints each condition that is set, one\n"
    "a line, in the chosen language (nothing when none is set). With --json it\n"
    "prints every condition by name with true or false. The exit status is 0\n"
    "whatever the conditions are; 1 when the status could not be read.\n";

const char* const kInfoHelp = "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) info\n"
                              "\n"
                              "Prints the printer information as its window shows it: the production date\n"
                              "(for the models that report it), the print length and the firmware version,\n"
                              "one a line, label and value. ESC printers do not offer it.\n";

bool Number(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && at == end && !text.empty() && value >= low && value <= high;
}

} // namespace

bool IsDiagnosticCommand(const std::string& word) {
    return word == "send" || word == "read" || word == "status" || word == "info";
}

std::string ParseDiagnosticCommand(const std::vector<std::string>& words, TCliDiagnosticOptions& options) {
    const std::string& command = words.front();
    std::vector<std::string> arguments;
    bool intervalGiven = false;
    for (std::size_t n = 1; n < words.size(); ++n) {
        const std::string& word = words[n];
        const auto value = [&](std::string& into) {
            if (n + 1 >= words.size()) {
                return false;
            }
            into = words[++n];
            return true;
        };
        std::string text;
        if (command == "send" && word == "--hex") {
            options.hex = true;
        } else if (command == "send" && word == "--file") {
            if (!value(options.file) || options.file.empty()) {
                return "--file takes a file name";
            }
        } else if (command == "send" && word == "--read") {
            int length = 0;
            if (!value(text) || !Number(text, 1, 256, length)) {
                return "--read takes 1 to 256";
            }
            options.readLength = length;
        } else if (command == "send" && word == "--repeat") {
            if (!value(text) || !Number(text, 1, 1000000, options.repeat)) {
                return "--repeat takes 1 to 1000000";
            }
        } else if (command == "send" && word == "--interval") {
            if (!value(text) || !Number(text, 100, 999999, options.intervalMs)) {
                return "--interval takes 100 to 999999 (milliseconds)";
            }
            intervalGiven = true;
        } else if (command == "status" && word == "--json") {
            options.json = true;
        } else if (word.size() > 2 && word.rfind("--", 0) == 0) {
            return "unknown option " + word + " for " + command;
        } else {
            arguments.push_back(word);
        }
    }
    if (command == "send") {
        if (intervalGiven && options.repeat == 0) {
            return "--interval belongs to --repeat";
        }
        if (options.file.empty() == (arguments.size() != 1)) {
            return "send takes one TEXT or --file FILE";
        }
        if (!options.file.empty()) {
            return {};
        }
        if (arguments.front().empty()) {
            return "send: the command is empty";
        }
        options.text = arguments.front();
        return {};
    }
    if (command == "read") {
        int length = 256;
        if (arguments.size() > 1 || (arguments.size() == 1 && !Number(arguments.front(), 1, 256, length))) {
            return "read takes N from 1 to 256";
        }
        options.readLength = length;
        return {};
    }
    if (!arguments.empty()) {
        return command + " takes no argument";
    }
    return {};
}

std::string DiagnosticHelp(const std::string& topic) {
    if (topic == "send") {
        return kSendHelp;
    }
    if (topic == "read") {
        return kReadHelp;
    }
    if (topic == "status") {
        return kStatusHelp;
    }
    if (topic == "info") {
        return kInfoHelp;
    }
    return {};
}

} // namespace tolvane::cli
