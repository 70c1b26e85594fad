#pragma once

#include "emulator/core/printer.h"
#include "emulator/core/settings_text.h"

#include <string>

namespace emulator {

// Reads the sections that describe a printer's settings into `settings`:
// [values] (named keys), [keys] (numbered keys "GROUP.ID") and [block]
// (bytes at offsets). False with `error` for any other section name or a
// bad entry. The block gets its marker and sum afterwards.
bool isSettingsSection(const std::string& name);
bool applySettingsSection(const SettingsSection& section, PrinterSettings& settings, std::string& error);

// The settings as text in the same format.
std::string formatSettings(const PrinterSettings& settings);

} // namespace emulator
