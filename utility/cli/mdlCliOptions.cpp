#include "mdlCliOptions.h"

#include "mdlCliFiles.h"
#include "mdlCliFonts.h"

namespace tolvane::cli {
namespace {

const char* const kProgramHelp =
    "Usage: tolvane-cli [--lang ID] (--printer NAME | --port ADDRESS --model MODEL) COMMAND ...\n"
    "\n"
    "Reads and writes the settings of the label printers that the Tolvane utility\n"
    "manages, without a window.\n"
    "\n"
    "Commands:\n"
    "  printers              list the printer list: name, a tab, the port address\n"
    "  params get [--out F]  read the printer's parameters as INI text\n"
    "  params set FILE       write the parameters of FILE (\"-\": standard input)\n"
    "  send [--hex] TEXT     send a raw command (also --file FILE, --read N,\n"
    "                        --repeat N --interval MS)\n"
    "  read [N]              read up to N bytes the printer sent\n"
    "  status [--json]       the printer's status conditions\n"
    "  info                  production date, print length, firmware version\n"
    "  firmware method       the printer's answer on its firmware update method\n"
    "  firmware ota FILE     update the firmware by OTA packets\n"
    "  firmware sections FILE [--list]\n"
    "                        update the firmware from a sectioned file; with --list\n"
    "                        only list its sections (no printer needed)\n"
    "  firmware dfu          put the printer into update mode and start the updater\n"
    "  print-text [--code-page N] [--width MM --height MM] TEXT\n"
    "                        print TEXT (\"\\n\" between lines) as the test print does\n"
    "  scan-test [--width MM --height MM]\n"
    "                        trigger the printer's scanner and print what it scanned\n"
    "  files COMMAND         list, download, print and delete stored files (files --help)\n"
    "  fonts, userfont, tspl-files COMMAND   fonts, user fonts and TSPL files (fonts --help)\n"
    "  network get [--out F] read the Ethernet settings (DHCP, addresses) as INI text\n"
    "  network set FILE      write the Ethernet settings of FILE\n"
    "  rfid ...              the RFID tag and module (rfid --help)\n"
    "\n"
    "Options:\n"
    "  --printer NAME        the first printer of the printer list named NAME\n"
    "  --port ADDRESS        a printer that is not in the list, at ADDRESS\n"
    "                        (NET,127.0.0.1,9100  USB  /dev/ttyUSB0,9600  COM1,BAUDRATE_9600)\n"
    "  --model MODEL         its model, a name of the catalogue (with --port)\n"
    "  --lang ID             1033 English, 2052 Simplified Chinese, 1028 Traditional\n"
    "                        Chinese (default: the utility's configured language)\n"
    "  --help                this text; COMMAND --help for a command\n"
    "  --version             the version\n"
    "\n"
    "Exit status: 0 done, 1 the printer could not be reached or reported an error,\n"
    "2 bad usage or bad input.\n";

const char* const kPrintersHelp = "Usage: tolvane-cli printers\n"
                                  "\n"
                                  "Lists the printers of the utility's printer list, one a line: the list\n"
                                  "name, a tab, the port address.\n";

const char* const kParamsGetHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) params get [--out FILE]\n"
    "\n"
    "Opens the printer's parameter dialog without a window, reads every parameter\n"
    "and prints the dialog's parameter controls as INI text:\n"
    "\n"
    "  ; printer: NAME  model: MODEL  dialog: CLASS\n"
    "  [params]\n"
    "  control=value\n"
    "\n"
    "one line per visible and enabled control, in the order the read fills them.\n"
    "Lists give the selected entry's text, radio groups the selected item's\n"
    "position (from 0), edits their text, tick boxes 0 or 1. A control the printer\n"
    "gave no usable value for is left out and named on a \"; not read:\" line, so\n"
    "that params set does not write it back. Messages of the read\n"
    "appear as \"; \" comment lines. With --out the text goes to FILE (written\n"
    "whole or not at all). The text is a backup that params set restores.\n";

const char* const kParamsSetHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) params set FILE\n"
    "\n"
    "Reads the printer's parameters as the dialog does, applies each control=value\n"
    "line of FILE (\"-\": standard input) as a user would, then presses \"Set\". A\n"
    "file may name only some controls; comment lines (\";\", \"#\") and \"[params]\"\n"
    "are skipped; a control named twice takes the later value.\n"
    "\n"
    "Lists take the entry whose text equals the value, radio groups the position,\n"
    "edits the text (checked like typed keys, then the field's exit check), tick\n"
    "boxes 0 or 1. An unknown control, a value that is no entry of its list or a\n"
    "value the field refuses ends the command with exit status 2 and a message\n"
    "naming the line; nothing is written to the printer then. A control the\n"
    "printer gave no usable value for is written only when FILE gives it.\n";

const char* const kFirmwareHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) firmware COMMAND\n"
    "\n"
    "  firmware method       prints the printer's answer on its update method\n"
    "                        (\"DFU\", \"BIN\" or what else it says)\n"
    "  firmware ota FILE     puts the printer into OTA mode and sends FILE in packets\n"
    "                        that the printer acknowledges one by one\n"
    "  firmware sections FILE [--list]\n"
    "                        sends a sectioned firmware file (76-byte section\n"
    "                        headers, each acknowledged, then the data in 1024-byte\n"
    "                        chunks, then the printer's final status); with --list\n"
    "                        prints the sections (name, size, version, type, a tab\n"
    "                        between them) and sends nothing\n"
    "  firmware dfu          puts the printer into update mode by its model's rule\n"
    "                        and starts the firmware updater FWUpdate/Brakwell\n"
    "\n"
    "Every file is read and checked whole before anything is sent: an empty file,\n"
    "a section header cut short, a section with a negative length or one running\n"
    "past the end, or a file too large for OTA packets ends the command with exit\n"
    "status 2 and nothing is sent. Progress goes to standard error when it is a\n"
    "terminal.\n";

const char* const kPrintTextHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) print-text [--code-page N]\n"
    "                   [--width MM --height MM] TEXT\n"
    "\n"
    "Prints TEXT with the printer's test-print dialog, as the test print button\n"
    "does: a TSPL label for TSPL printers, the job of the printer's command language\n"
    "for the others. \"\\n\" in TEXT starts a new line, \"\\\\\" is a backslash.\n"
    "\n"
    "  --code-page N  send the text in code page N (936 simplified Chinese, 950,\n"
    "                 932, 949, 1250 to 1254, 65001 UTF-8); without it the text\n"
    "                 goes in the utility's ANSI code page\n"
    "  --width MM     printable width of a label (10 to the model's widest)\n"
    "  --height MM    printable height of a label (10 to 210); sizes beyond the\n"
    "                 limits are brought back to them, as the dialog does\n";

const char* const kScanTestHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) scan-test\n"
    "                   [--width MM --height MM]\n"
    "\n"
    "Tells the printer to trigger its code scanner, up to 10 times, waits for the\n"
    "scanned text and prints it on a label of --width (default 50, at most 108)\n"
    "by --height (default 30) millimetres. Prints the scanned text; exit status 1\n"
    "when nothing was scanned.\n";

const char* const kNetworkHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) network get [--out FILE]\n"
    "       tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) network set FILE\n"
    "\n"
    "The Ethernet dialog of the advanced settings without a window, for the\n"
    "printers that have it: cmbDHCP (ON or OFF) and the address fields txtIP1 to\n"
    "txtIP4, txtSubnet1 to txtSubnet4, txtGateway1 to txtGateway4, in the INI text\n"
    "of params get and params set. \"Set\" writes DHCP; the IP address only with\n"
    "DHCP OFF; the mask and the gateway whenever all four of their fields are\n"
    "filled. A setting the printer did not report is left out of network get and\n"
    "is not written unless FILE gives it. Other printers end with exit status 1.\n";

const char* const kRfidHelp =
    "Usage: tolvane-cli (--printer NAME | --port ADDRESS --model MODEL) rfid COMMAND\n"
    "\n"
    "The RFID window without a window, for printers with an RFID module:\n"
    "  read [--length N]     read N bytes (1 to 12, default 12) of the tag in the\n"
    "                        current label; prints data=TEXT\n"
    "  write HEX [--verify]  write the hexadecimal bytes HEX (up to 12 bytes) to the\n"
    "                        tag; --verify writes and reads back in one step\n"
    "  power N               set the module's transmit power (0 to 150)\n"
    "  threshold N           set the module's signal-strength threshold (0 to 255)\n"
    "  info                  print power=, threshold= and version=; a value the\n"
    "                        printer did not give is left out, named on a\n"
    "                        \"; not read:\" line, and the exit status is 1\n"
    "  calibrate             start an RFID calibration\n"
    "\n"
    "Messages of the printer appear as \"; \" comment lines. Exit status: 0 done,\n"
    "1 the printer could not be reached, refused or did not answer, 2 bad input\n"
    "(nothing is sent then).\n";

bool IsLanguageId(const std::string& id) {
    return id == "1033" || id == "2052" || id == "1028";
}

} // namespace

std::string LanguageSwitchFor(const std::string& languageId) {
    if (languageId == "1033") {
        return "-EN";
    }
    if (languageId == "2052") {
        return "-CN";
    }
    if (languageId == "1028") {
        return "-TW";
    }
    return {};
}

std::string CliHelp(const std::string& topic) {
    if (const std::string help = DiagnosticHelp(topic); !help.empty()) {
        return help;
    }
    if (topic == "printers") {
        return kPrintersHelp;
    }
    if (topic == "params get") {
        return kParamsGetHelp;
    }
    if (topic == "params set") {
        return kParamsSetHelp;
    }
    if (topic.rfind("firmware", 0) == 0) {
        return kFirmwareHelp;
    }
    if (topic == "print-text") {
        return kPrintTextHelp;
    }
    if (topic == "scan-test") {
        return kScanTestHelp;
    }
    if (topic.rfind("files", 0) == 0) {
        return FilesHelp();
    }
    if (IsFontCommand(topic.substr(0, topic.find(' ')))) {
        return FontsHelp();
    }
    if (topic == "params") {
        return std::string(kParamsGetHelp) + "\n" + kParamsSetHelp;
    }
    if (topic.rfind("rfid", 0) == 0) {
        return kRfidHelp;
    }
    if (topic.rfind("network", 0) == 0) {
        return kNetworkHelp;
    }
    return kProgramHelp;
}

TCliParse ParseCliArguments(const std::vector<std::string>& args) {
    TCliOptions options;
    std::vector<std::string> words;
    for (std::size_t n = 1; n < args.size(); ++n) {
        const std::string& arg = args[n];
        if (arg.size() > kCliMaxArgument) {
            return {std::nullopt, "argument too long"};
        }
        const auto value = [&](std::string& into) {
            if (n + 1 >= args.size() || args[n + 1].size() > kCliMaxArgument) {
                return false;
            }
            into = args[++n];
            return true;
        };
        if (!words.empty() && (words[0] == "files" || IsFontCommand(words[0])) && arg != "--help" &&
            arg != "-h") {
            options.filesArgs.push_back(arg); // the files command reads its own options
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.command = TCliCommand::Help;
        } else if (arg == "--version") {
            if (options.command != TCliCommand::Help) {
                options.command = TCliCommand::Version;
            }
        } else if (arg == "--lang") {
            if (!value(options.languageId) || !IsLanguageId(options.languageId)) {
                return {std::nullopt, "--lang takes 1033, 2052 or 1028"};
            }
        } else if (arg == "--printer") {
            if (!value(options.printerName) || options.printerName.empty()) {
                return {std::nullopt, "--printer takes a printer name"};
            }
        } else if (arg == "--port") {
            if (!value(options.portAddress) || options.portAddress.empty()) {
                return {std::nullopt, "--port takes an address"};
            }
        } else if (arg == "--model") {
            if (!value(options.model) || options.model.empty()) {
                return {std::nullopt, "--model takes a model name"};
            }
        } else if (arg == "--out") {
            if (!value(options.outFile) || options.outFile.empty()) {
                return {std::nullopt, "--out takes a file name"};
            }
        } else if (arg.size() > 2 && arg.rfind("--", 0) == 0 && !words.empty() &&
                   IsDiagnosticCommand(words.front())) {
            // The diagnostic commands read their own options.
            words.push_back(arg);
        } else if (arg == "--list") {
            options.listOnly = true;
        } else if (arg == "--code-page" || arg == "--width" || arg == "--height") {
            std::string& into = arg == "--code-page" ? options.codePage
                                : arg == "--width"   ? options.widthMm
                                                     : options.heightMm;
            if (!value(into) || into.empty() || into.size() > 8) {
                return {std::nullopt, arg + " takes a number"};
            }
        } else if (arg == "--length") {
            if (!value(options.rfidLength)) {
                return {std::nullopt, "--length takes a number of bytes"};
            }
        } else if (arg == "--verify") {
            options.rfidVerify = true;
        } else if (arg.size() > 2 && arg.rfind("--", 0) == 0) {
            return {std::nullopt, "unknown option " + arg};
        } else {
            words.push_back(arg);
        }
    }

    std::string topic;
    for (const std::string& word : words) {
        topic += (topic.empty() ? "" : " ") + word;
    }
    if (options.command == TCliCommand::Help) {
        if (words.size() > 1 && words[0] == "params" && words[1] != "get" && words[1] != "set") {
            topic = "params";
        }
        options.helpTopic = words.size() > 2 ? words[0] + " " + words[1] : topic;
        if (!words.empty() && IsDiagnosticCommand(words[0])) {
            options.helpTopic = words[0];
        }
        return {options, {}};
    }
    if (options.command == TCliCommand::Version) {
        return {options, {}};
    }
    if (words.empty()) {
        return {std::nullopt, "no command (try --help)"};
    }

    const bool named = !options.printerName.empty();
    const bool addressed = !options.portAddress.empty() || !options.model.empty();
    if (words[0] == "printers" && words.size() == 1) {
        options.command = TCliCommand::Printers;
        return {options, {}};
    }
    if (words[0] == "files") {
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, "files needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        if (const std::string error = CheckFilesArguments(options.filesArgs); !error.empty()) {
            return {std::nullopt, error};
        }
        options.command = TCliCommand::Files;
        return {options, {}};
    }
    if (IsFontCommand(words[0])) {
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, words[0] + " needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        if (const std::string error = CheckFontArguments(words[0], options.filesArgs); !error.empty()) {
            return {std::nullopt, error};
        }
        options.command = TCliCommand::Fonts;
        options.fontCommand = words[0];
        return {options, {}};
    }
    if (words[0] == "rfid") {
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, "rfid needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        const std::string action = words.size() >= 2 ? words[1] : "";
        const bool takesArgument = action == "write" || action == "power" || action == "threshold";
        const bool known = takesArgument || action == "read" || action == "info" || action == "calibrate";
        if (!known || words.size() != (takesArgument ? 3u : 2u)) {
            return {std::nullopt, "rfid takes read, write HEX, power N, threshold N, info or calibrate"};
        }
        if ((!options.rfidLength.empty() && action != "read") || (options.rfidVerify && action != "write")) {
            return {std::nullopt, "--length belongs to rfid read, --verify to rfid write"};
        }
        options.command = TCliCommand::Rfid;
        options.rfidAction = action;
        options.rfidArgument = takesArgument ? words[2] : "";
        return {options, {}};
    }
    const bool network = words[0] == "network";
    if ((words[0] == "params" || network) && words.size() >= 2 && (words[1] == "get" || words[1] == "set")) {
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, words[0] + " needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        if (network) {
            options.dialogClass = "TFormNet";
        }
        if (words[1] == "get" && words.size() == 2) {
            options.command = TCliCommand::ParamsGet;
            return {options, {}};
        }
        if (words[1] == "set" && words.size() == 3) {
            if (!options.outFile.empty()) {
                return {std::nullopt, "--out belongs to " + words[0] + " get"};
            }
            options.command = TCliCommand::ParamsSet;
            options.inFile = words[2];
            return {options, {}};
        }
        return {std::nullopt,
                words[1] == "set" ? words[0] + " set takes one FILE" : words[0] + " get takes no argument"};
    }
    if (IsDiagnosticCommand(words[0])) {
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, words[0] + " needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        if (!options.outFile.empty()) {
            return {std::nullopt, "--out belongs to params get"};
        }
        if (const std::string error = ParseDiagnosticCommand(words, options.diagnostics); !error.empty()) {
            return {std::nullopt, error};
        }
        options.command = words[0] == "send"     ? TCliCommand::Send
                          : words[0] == "read"   ? TCliCommand::Read
                          : words[0] == "status" ? TCliCommand::Status
                                                 : TCliCommand::Info;
        return {options, {}};
    }
    if (words[0] == "firmware" && words.size() >= 2) {
        const std::string& verb = words[1];
        const bool takesFile = verb == "ota" || verb == "sections";
        if (verb != "method" && verb != "dfu" && !takesFile) {
            return {std::nullopt, "unknown command " + topic + " (try --help)"};
        }
        if (words.size() != (takesFile ? 3u : 2u)) {
            return {std::nullopt,
                    "firmware " + verb + (takesFile ? " takes one FILE" : " takes no argument")};
        }
        if (options.listOnly && verb != "sections") {
            return {std::nullopt, "--list belongs to firmware sections"};
        }
        const bool needsPrinter = !(verb == "sections" && options.listOnly);
        if (needsPrinter &&
            (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty())))) {
            return {std::nullopt, "firmware needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        options.command = verb == "method"     ? TCliCommand::FirmwareMethod
                          : verb == "ota"      ? TCliCommand::FirmwareOta
                          : verb == "sections" ? TCliCommand::FirmwareSections
                                               : TCliCommand::FirmwareDfu;
        if (takesFile) {
            options.firmwareFile = words[2];
        }
        return {options, {}};
    }
    if (words[0] == "print-text" || words[0] == "scan-test") {
        const bool print = words[0] == "print-text";
        if (named == addressed || (addressed && (options.portAddress.empty() || options.model.empty()))) {
            return {std::nullopt, words[0] + " needs --printer NAME, or --port ADDRESS with --model MODEL"};
        }
        if (!options.outFile.empty() || (!print && !options.codePage.empty())) {
            return {std::nullopt, "unknown option for " + words[0]};
        }
        if (print ? words.size() != 2 : words.size() != 1) {
            return {std::nullopt, print ? "print-text takes one TEXT" : "scan-test takes no argument"};
        }
        options.command = print ? TCliCommand::PrintText : TCliCommand::ScanTest;
        if (print) {
            options.text = words[1];
        }
        return {options, {}};
    }
    return {std::nullopt, "unknown command " + topic + " (try --help)"};
}

} // namespace tolvane::cli
