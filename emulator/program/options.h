#pragma once

#include <optional>
#include <string>
#include <vector>

namespace emulator {

// The command line of printer-emulator.
struct ProgramOptions {
    std::string profilePath;
    std::string statePath;
    std::string logPath;
    std::optional<std::string> tcp; // "HOST:PORT"
    bool pty = false;
    std::vector<std::string> faults;
    int frameTimeoutMs = 1000;
    bool help = false;
    bool version = false;
};

// Options as "--name VALUE" or "--name=VALUE". False with `error` for an
// unknown option, a missing or bad value, or a stray argument.
bool parseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options,
                         std::string& error);

std::string usageText();

} // namespace emulator
