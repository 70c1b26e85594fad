#include "emulator/core/settings_sections.h"

#include <charconv>
#include <set>

namespace emulator {
namespace {

bool parseUnsigned(std::string_view text, unsigned limit, unsigned& number) {
    if (text.empty()) {
        return false;
    }
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), number);
    return status == std::errc() && end == text.data() + text.size() && number <= limit;
}

bool parseNumberedKey(std::string_view name, NumberedKey& key) {
    const size_t dot = name.find('.');
    unsigned group = 0;
    unsigned id = 0;
    if (dot == std::string_view::npos || !parseUnsigned(name.substr(0, dot), 255, group) ||
        !parseUnsigned(name.substr(dot + 1), 65535, id)) {
        return false;
    }
    key = {static_cast<uint8_t>(group), static_cast<uint16_t>(id)};
    return true;
}

bool applyEntry(const std::string& section, const SettingsEntry& entry, PrinterSettings& settings,
                std::string& error) {
    if (section == "values") {
        std::string text;
        if (!isStorableKeyName(entry.name)) {
            error = "\"" + entry.name + "\" is not a key name (1 to 64 printable characters without '=')";
            return false;
        }
        if (!parseTextValue(entry.value, text, error)) {
            return false;
        }
        if (text.size() > kMaxValueText) {
            error = "a value has at most " + std::to_string(kMaxValueText) + " characters";
            return false;
        }
        settings.values[entry.name] = std::move(text);
        return true;
    }
    Bytes bytes;
    if (!parseByteList(entry.value, bytes, error)) {
        return false;
    }
    if (section == "keys") {
        NumberedKey key;
        if (!parseNumberedKey(entry.name, key)) {
            error = "\"" + entry.name + "\" is not a numbered key (GROUP.ID, group 0 to 255, id 0 to 65535)";
            return false;
        }
        if (bytes.size() > kMaxKeyBytes) {
            error = "a numbered key holds at most " + std::to_string(kMaxKeyBytes) + " bytes";
            return false;
        }
        settings.keys[key] = std::move(bytes);
        return true;
    }
    unsigned offset = 0;
    if (!parseUnsigned(entry.name, kBlockSize - 1, offset)) {
        error = "\"" + entry.name + "\" is not a block offset (0 to 255)";
        return false;
    }
    if (offset + bytes.size() > kBlockSize) {
        error = "the bytes run past the end of the 256-byte block";
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), settings.block.begin() + offset);
    return true;
}

} // namespace

bool isSettingsSection(const std::string& name) {
    return name == "values" || name == "keys" || name == "block";
}

bool applySettingsSection(const SettingsSection& section, PrinterSettings& settings, std::string& error) {
    if (!isSettingsSection(section.name)) {
        error = "line " + std::to_string(section.line) + ": unknown section [" + section.name + "]";
        return false;
    }
    std::set<std::string> seen;
    for (const SettingsEntry& entry : section.entries) {
        const std::string where = "line " + std::to_string(entry.line) + ": ";
        if (!seen.insert(entry.name).second) {
            error = where + "\"" + entry.name + "\" is given twice in [" + section.name + "]";
            return false;
        }
        if (!applyEntry(section.name, entry, settings, error)) {
            error = where + error;
            return false;
        }
    }
    return true;
}

std::string formatSettings(const PrinterSettings& settings) {
    std::string text = "[values]\n";
    for (const auto& [name, value] : settings.values) {
        text += name + " = " + formatTextValue(value) + "\n";
    }
    text += "\n[keys]\n";
    for (const auto& [key, bytes] : settings.keys) {
        text += key.text() + " = " + formatByteList(bytes) + "\n";
    }
    text += "\n[block]\n";
    for (size_t offset = 0; offset < kBlockSize; offset += 16) {
        text += std::to_string(offset) + " = " +
                formatByteList(ByteView(settings.block).subspan(offset, 16)) + "\n";
    }
    return text;
}

} // namespace emulator
