// The diagnostic commands of tolvane-cli and their options:
//
//   send [--hex] TEXT | --file FILE [--read N] [--repeat N [--interval MS]]
//   read [N]
//   status [--json]
//   info
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tolvane::cli {

struct TCliDiagnosticOptions {
    bool hex = false;                // send: TEXT or FILE in hexadecimal format
    std::optional<std::string> text; // send TEXT
    std::string file;                // send --file
    std::optional<int> readLength;   // send --read N, read [N]
    int repeat = 0;                  // send --repeat N (0: one send)
    int intervalMs = 1000;           // send --interval MS
    bool json = false;               // status --json
};

// Whether a word names a diagnostic command.
bool IsDiagnosticCommand(const std::string& word);

// Reads the words of a diagnostic command (the command word first, its
// options and arguments after it, in any order). An empty text when they
// are fine, else the usage error.
std::string ParseDiagnosticCommand(const std::vector<std::string>& words, TCliDiagnosticOptions& options);

// The help text of a diagnostic command; empty for any other topic.
std::string DiagnosticHelp(const std::string& topic);

} // namespace tolvane::cli
