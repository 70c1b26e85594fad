#pragma once

#include "emulator/core/printer.h"

#include <string>

namespace emulator {

enum class StateLoad { Loaded, Missing, Failed };

// Reads the settings kept in a state file ([values], [keys], [block]).
// Missing when the file does not exist (the profile's settings stay);
// Failed with `error` when it exists but cannot be read or is malformed.
StateLoad loadState(const std::string& path, PrinterSettings& settings, std::string& error);

// Writes the settings atomically (a temporary file renamed over the old one).
bool saveState(const std::string& path, const PrinterSettings& settings, std::string& error);

} // namespace emulator
