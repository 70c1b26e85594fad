// The command line of tolvane-cli:
//
//   tolvane-cli [--lang ID] (--printer NAME | --port ADDRESS --model MODEL) COMMAND ...
//   tolvane-cli printers
//   tolvane-cli ... params get [--out FILE]
//   tolvane-cli ... params set FILE        (FILE "-": standard input)
//   tolvane-cli ... send | read | status | info   (mdlCliDiagnosticsOptions.h)
//   tolvane-cli ... firmware method | ota FILE | sections FILE [--list] | dfu
//   tolvane-cli ... print-text [--code-page N] [--width MM --height MM] TEXT
//   tolvane-cli ... scan-test [--width MM --height MM]
//   tolvane-cli ... files COMMAND ...      (mdlCliFiles.h)
//   tolvane-cli ... network get [--out FILE] | network set FILE
//   tolvane-cli ... rfid read [--length N] | write HEX [--verify] | power N | threshold N | info | calibrate
//   tolvane-cli --help | --version | COMMAND --help
#pragma once

#include "mdlCliDiagnosticsOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::cli {

enum class TCliCommand {
    None,
    Help,
    Version,
    Printers,
    ParamsGet,
    ParamsSet,
    FirmwareMethod,
    FirmwareOta,
    FirmwareSections,
    FirmwareDfu,
    Send,
    Read,
    Status,
    Info,
    PrintText,
    ScanTest,
    Files,
    Fonts, // fonts, userfont, tspl-files (mdlCliFonts.h)
    Rfid,
};

struct TCliOptions {
    TCliCommand command = TCliCommand::None;
    std::string helpTopic;  // "printers", "params", "params get", "params set" or empty
    std::string languageId; // "1033", "2052", "1028" or empty for the configured one
    std::string printerName;
    std::string portAddress;
    std::string model;
    std::string outFile; // params get --out
    std::string inFile;  // params set FILE
    TCliDiagnosticOptions diagnostics;

    // firmware ota FILE, firmware sections FILE [--list]
    std::string firmwareFile;
    bool listOnly = false;

    std::string codePage;               // print-text --code-page
    std::string widthMm;                // print-text, scan-test --width
    std::string heightMm;               // print-text, scan-test --height
    std::string text;                   // print-text TEXT ("\n" between lines)
    std::vector<std::string> filesArgs; // the words and options after "files" (and the font commands)
    std::string fontCommand;            // fonts, userfont or tspl-files
    // The dialog of the command when it is not the printer's parameter
    // dialog ("network get/set": the Ethernet dialog).
    std::string dialogClass;
    // rfid ACTION [ARGUMENT]: read, write, power, threshold, info, calibrate.
    std::string rfidAction;
    std::string rfidArgument;
    std::string rfidLength;  // rfid read --length N (empty: the dialog's default)
    bool rfidVerify = false; // rfid write --verify: write and read back
};

struct TCliParse {
    std::optional<TCliOptions> options;
    std::string error; // the usage error when there are no options
};

// Longest argument accepted (names, addresses, paths).
inline constexpr std::size_t kCliMaxArgument = 4096;

TCliParse ParseCliArguments(const std::vector<std::string>& args);

// The help text of the program or of a command.
std::string CliHelp(const std::string& topic);

// The language switch of the utility for a language id ("-EN" for "1033").
std::string LanguageSwitchFor(const std::string& languageId);

} // namespace tolvane::cli
