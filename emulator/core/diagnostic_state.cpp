#include "emulator/core/diagnostic_state.h"

#include "emulator/core/printer.h"
#include "emulator/core/settings_text.h"

#include <charconv>

namespace emulator {

bool applyDiagnosticEntry(const SettingsEntry& entry, Profile& profile, bool& handled, std::string& error) {
    handled = entry.name == "status" || entry.name == "journey";
    if (entry.name == "status") {
        Bytes bytes;
        if (!parseByteList(entry.value, bytes, error)) {
            return false;
        }
        if (bytes.size() != kStatusBlockSize) {
            error = "status is 20 bytes";
            return false;
        }
        profile.diagnostics.status = bytes;
        return true;
    }
    if (entry.name == "journey") {
        const std::string& text = entry.value;
        int32_t value = 0;
        const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (failure != std::errc() || end != text.data() + text.size()) {
            error = "journey is a whole number from -2147483648 to 2147483647";
            return false;
        }
        profile.diagnostics.journey = value;
        return true;
    }
    return false;
}

} // namespace emulator
