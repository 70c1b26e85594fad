#include "emulator/program/options.h"

#include <charconv>

namespace emulator {

std::string usageText() {
    return "Usage: printer-emulator [options]\n"
           "A virtual label printer for tests and demonstrations.\n"
           "\n"
           "  --tcp HOST:PORT     listen for one client at a time (port 0 picks a free port);\n"
           "                      prints \"listening tcp HOST:PORT\"\n"
           "  --pty               open a pseudo-terminal as the printer's serial port;\n"
           "                      prints \"listening pty /dev/pts/N\"\n"
           "                      (without --tcp and --pty: --tcp 127.0.0.1:9100)\n"
           "  --profile FILE      the printer to be (default: a TSPL printer, model Vorlan)\n"
           "  --state FILE        settings kept across restarts: read at start, written on\n"
           "                      \"save_param\" and on exit\n"
           "  --log FILE          append every received command and reply, readably\n"
           "  --fault RULE        misbehave: TARGET=KIND[:AMOUNT][/TIMES], for example\n"
           "                      '*=delay:500', 'getval:density=short:2', 'block_read=wrong_sum/1';\n"
           "                      kinds: silent, delay:MS, short[:BYTES], corrupt, wrong_sum, drop,\n"
           "                      drop-mid-frame\n"
           "                      (may be given more than once)\n"
           "  --frame-timeout MS  give up a frame that stops arriving (default 1000)\n"
           "  --help              show this text\n"
           "  --version           show the version\n"
           "\n"
           "Stops on SIGINT or SIGTERM.\n";
}

bool parseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options,
                         std::string& error) {
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (const size_t equals = name.find('='); name.rfind("--", 0) == 0 && equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        const auto value = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                error = name + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        const auto noValue = [&] {
            if (inlineValue) {
                error = name + " takes no value";
                return false;
            }
            return true;
        };
        std::string text;
        if (name == "--help" || name == "-h") {
            if (!noValue()) {
                return false;
            }
            options.help = true;
        } else if (name == "--version") {
            if (!noValue()) {
                return false;
            }
            options.version = true;
        } else if (name == "--pty") {
            if (!noValue()) {
                return false;
            }
            options.pty = true;
        } else if (name == "--tcp") {
            if (!value(text)) {
                return false;
            }
            options.tcp = text;
        } else if (name == "--profile") {
            if (!value(options.profilePath)) {
                return false;
            }
        } else if (name == "--state") {
            if (!value(options.statePath)) {
                return false;
            }
        } else if (name == "--log") {
            if (!value(options.logPath)) {
                return false;
            }
        } else if (name == "--fault") {
            if (!value(text)) {
                return false;
            }
            options.faults.push_back(text);
        } else if (name == "--frame-timeout") {
            if (!value(text)) {
                return false;
            }
            int ms = 0;
            const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), ms);
            if (text.empty() || status != std::errc() || end != text.data() + text.size() || ms < 10 ||
                ms > 600000) {
                error = "--frame-timeout is a number of milliseconds from 10 to 600000";
                return false;
            }
            options.frameTimeoutMs = ms;
        } else {
            error = "unknown option \"" + arguments[i] + "\"";
            return false;
        }
    }
    return true;
}

} // namespace emulator
