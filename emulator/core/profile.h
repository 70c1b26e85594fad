#pragma once

#include "emulator/core/printer.h"

#include <optional>
#include <string>

namespace emulator {

// Reads a profile: a [printer] section (model, language, ppl, dpi,
// version) and the settings sections [values], [keys], [block]. The block
// always gets the marker 0x78 and its sum. `origin` names the text in
// messages. Nothing with `error` set when the text is not a valid profile.
std::optional<Profile> parseProfile(std::string_view text, const std::string& origin, std::string& error);
std::optional<Profile> loadProfile(const std::string& path, std::string& error);

// The profile used when none is given: a TSPL printer ("Vorlan") with
// "ppl" TSC, "dpi" 203, version 1.0.0 and an otherwise empty block.
Profile defaultProfile();

} // namespace emulator
