#pragma once

#include "emulator/core/bytes.h"
#include "emulator/core/config_block.h"
#include "emulator/core/diagnostic_state.h"
#include "emulator/core/file_store.h"
#include "emulator/core/firmware_state.h"
#include "emulator/core/scanner_setup.h"

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace emulator {

// A numbered key: group byte and 16-bit identifier.
struct NumberedKey {
    uint8_t group = 0;
    uint16_t id = 0;
    auto operator<=>(const NumberedKey&) const = default;
    std::string text() const; // "1.312"
};

// Everything the printer keeps across a restart: the named keys (value
// texts), the numbered keys (bytes) and the parameter block.
struct PrinterSettings {
    std::map<std::string, std::string> values;
    std::map<NumberedKey, Bytes> keys;
    ConfigBlock block{};
};

// The command language numbers of the query 1B 1B 08 (`Profile::language`).
constexpr uint8_t kLanguageEsc = 0;
constexpr uint8_t kLanguageTspl = 1;
constexpr uint8_t kLanguageCpcl = 3;
constexpr uint8_t kLanguageZpl = 4;

// Fixed identity of the emulated printer and its factory settings.
struct Profile {
    std::string model = "Vorlan";
    uint8_t language = 1;      // answer to the command-language query
    Bytes version = {1, 0, 0}; // answer to the version query
    PrinterSettings factory;
    DiagnosticState diagnostics;     // status block and journey counter at start
    FirmwareBehaviour firmware;      // [firmware]
    std::string origin = "built-in"; // file it came from, for messages
    // A code scanner that answers "scan_trigger"; none when not given.
    std::optional<ScannerSetup> scanner;
};

// Longest named-key name and value, and longest numbered-key value.
constexpr size_t kMaxKeyName = 64;
constexpr size_t kMaxValueText = 500;
constexpr size_t kMaxKeyBytes = 255;

// True when `name` can be a named key: 1 to 64 printable ASCII characters,
// no spaces, no '=' and no '"'.
bool isStorableKeyName(std::string_view name);

// The printer: its profile and the settings it holds now.
class Printer {
  public:
    explicit Printer(Profile profile);

    const Profile& profile() const { return profile_; }
    const PrinterSettings& settings() const { return settings_; }
    void replaceSettings(PrinterSettings settings) { settings_ = std::move(settings); }

    std::optional<std::string> value(const std::string& key) const;
    void setValue(const std::string& key, std::string value);

    std::optional<Bytes> numberedKey(NumberedKey key) const;
    void setNumberedKey(NumberedKey key, Bytes value);

    const ConfigBlock& block() const { return settings_.block; }
    void setBlock(const ConfigBlock& block) { settings_.block = block; }

    // The status block and the journey counter.
    DiagnosticState& diagnostics() { return diagnostics_; }
    const DiagnosticState& diagnostics() const { return diagnostics_; }

    // Back to the profile's values, keys and block.
    void restoreFactory() { settings_ = profile_.factory; }

    // The firmware transfers (OTA packets, sectioned files).
    FirmwareState& firmware() { return firmware_; }
    const FirmwareState& firmware() const { return firmware_; }
    // The stored files (they survive a factory restore, not a restart of
    // the emulator).
    FileStore& files() { return files_; }
    const FileStore& files() const { return files_; }

  private:
    Profile profile_;
    PrinterSettings settings_;
    DiagnosticState diagnostics_;
    FirmwareState firmware_;
    FileStore files_;
};

} // namespace emulator
