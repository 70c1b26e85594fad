#include "emulator/core/profile.h"

#include "emulator/core/settings_sections.h"
#include "emulator/core/settings_text.h"

#include <charconv>
#include <set>

namespace emulator {
namespace {

constexpr size_t kMaxVersionBytes = 16;
constexpr size_t kMaxModelName = 31;

bool applyPrinterEntry(const SettingsEntry& entry, Profile& profile, std::string& error) {
    if (entry.name == "model" || entry.name == "ppl" || entry.name == "dpi") {
        std::string text;
        if (!parseTextValue(entry.value, text, error)) {
            return false;
        }
        if (entry.name == "model") {
            if (text.empty() || text.size() > kMaxModelName) {
                error = "the model name has 1 to 31 characters";
                return false;
            }
            profile.model = text;
        } else {
            profile.factory.values[entry.name] = text;
        }
        return true;
    }
    Bytes bytes;
    if (entry.name == "language") {
        if (!parseByteList(entry.value, bytes, error) || bytes.size() != 1) {
            error = "language is one byte (0 ESC, 1 TSPL, 2 STAR, 3 CPCL, 4 ZPL, 5 EPL)";
            return false;
        }
        profile.language = bytes[0];
        return true;
    }
    if (entry.name == "version") {
        if (!parseByteList(entry.value, bytes, error)) {
            return false;
        }
        if (bytes.empty() || bytes.size() > kMaxVersionBytes) {
            error = "version is 1 to 16 bytes";
            return false;
        }
        profile.version = bytes;
        return true;
    }
    bool handled = false;
    if (const bool applied = applyDiagnosticEntry(entry, profile, handled, error); handled) {
        return applied;
    }
    error = "unknown entry \"" + entry.name +
            "\" in [printer] (model, language, ppl, dpi, version, status, journey)";
    return false;
}

// [firmware]: the answers of the firmware exchanges.
bool applyFirmwareEntry(const SettingsEntry& entry, FirmwareBehaviour& firmware, std::string& error) {
    Bytes bytes;
    if (entry.name == "header_status" || entry.name == "final_status") {
        if (!parseByteList(entry.value, bytes, error) || bytes.size() != 1) {
            error = entry.name + " is one byte (0 accepted, 1 to 6 the printer's reasons)";
            return false;
        }
        (entry.name == "header_status" ? firmware.headerStatus : firmware.finalStatus) = bytes[0];
        return true;
    }
    if (entry.name == "ota_restart_ms") {
        const std::string& text = entry.value;
        if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos ||
            std::stoul(text) > 600000) {
            error = "ota_restart_ms is a number from 0 to 600000";
            return false;
        }
        firmware.otaRestartMs = static_cast<uint32_t>(std::stoul(text));
        return true;
    }
    if (entry.name == "pack_length") {
        const std::string& text = entry.value;
        if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos ||
            std::stoull(text) > 0xFFFFFFFFull) {
            error = "pack_length is a number from 0 to 4294967295";
            return false;
        }
        firmware.packetLength = static_cast<uint32_t>(std::stoull(text));
        return true;
    }
    error = "unknown entry \"" + entry.name +
            "\" in [firmware] (pack_length, header_status, final_status, ota_restart_ms)";
    return false;
}

bool applyScannerSection(const SettingsSection& section, Profile& profile, std::string& error) {
    ScannerSetup scanner;
    for (const SettingsEntry& entry : section.entries) {
        std::string text;
        if (!parseTextValue(entry.value, text, error)) {
            error = "line " + std::to_string(entry.line) + ": " + error;
            return false;
        }
        if (entry.name == "answer_on") {
            int number = -1;
            const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), number);
            if (text.empty() || failed != std::errc() || end != text.data() + text.size() || number < 0 ||
                number > kMaxScanAnswerOn) {
                error = "line " + std::to_string(entry.line) + ": answer_on is 0 (never) to " +
                        std::to_string(kMaxScanAnswerOn);
                return false;
            }
            scanner.answerOn = number;
        } else if (entry.name == "text") {
            if (text.size() > kMaxScannedText) {
                error = "line " + std::to_string(entry.line) + ": the scanned text has at most " +
                        std::to_string(kMaxScannedText) + " bytes";
                return false;
            }
            scanner.text = Bytes(text.begin(), text.end());
        } else {
            error = "line " + std::to_string(entry.line) + ": unknown entry \"" + entry.name +
                    "\" in [scanner] (answer_on, text)";
            return false;
        }
    }
    profile.scanner = scanner;
    return true;
}

} // namespace

std::optional<Profile> parseProfile(std::string_view text, const std::string& origin, std::string& error) {
    std::vector<SettingsSection> sections;
    Profile profile;
    profile.origin = origin;
    profile.factory.values.clear();
    bool ok = parseSettingsText(text, sections, error);
    std::set<std::string> seen;
    // [printer] first, so that [values] may override its ppl and dpi.
    for (const SettingsSection& section : sections) {
        if (!ok) {
            break;
        }
        if (!seen.insert(section.name).second) {
            error =
                "line " + std::to_string(section.line) + ": section [" + section.name + "] is given twice";
            ok = false;
        } else if (section.name == "scanner") {
            ok = applyScannerSection(section, profile, error);
        } else if (section.name == "printer" || section.name == "firmware") {
            for (const SettingsEntry& entry : section.entries) {
                if (section.name == "printer" ? !applyPrinterEntry(entry, profile, error)
                                              : !applyFirmwareEntry(entry, profile.firmware, error)) {
                    error = "line " + std::to_string(entry.line) + ": " + error;
                    ok = false;
                    break;
                }
            }
        }
    }
    for (const SettingsSection& section : sections) {
        if (ok && section.name != "printer" && section.name != "firmware" && section.name != "scanner") {
            ok = applySettingsSection(section, profile.factory, error);
        }
    }
    if (!ok) {
        error = origin + ": " + error;
        return std::nullopt;
    }
    sealBlock(profile.factory.block);
    return profile;
}

std::optional<Profile> loadProfile(const std::string& path, std::string& error) {
    std::string text;
    if (!readWholeFile(path, kMaxSettingsFile, text, error)) {
        return std::nullopt;
    }
    return parseProfile(text, path, error);
}

Profile defaultProfile() {
    Profile profile;
    profile.factory.values = {{"ppl", "TSC"}, {"dpi", "203"}};
    sealBlock(profile.factory.block);
    return profile;
}

} // namespace emulator
