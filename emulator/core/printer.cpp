#include "emulator/core/printer.h"

namespace emulator {

std::string NumberedKey::text() const {
    return std::to_string(group) + "." + std::to_string(id);
}

bool isStorableKeyName(std::string_view name) {
    if (name.empty() || name.size() > kMaxKeyName) {
        return false;
    }
    for (const char c : name) {
        if (c <= ' ' || c > '~' || c == '=' || c == '"') {
            return false;
        }
    }
    return true;
}

Printer::Printer(Profile profile)
    : profile_(std::move(profile)), settings_(profile_.factory), diagnostics_(profile_.diagnostics) {
    firmware_.behaviour = profile_.firmware;
}

std::optional<std::string> Printer::value(const std::string& key) const {
    const auto found = settings_.values.find(key);
    if (found == settings_.values.end()) {
        return std::nullopt;
    }
    return found->second;
}

void Printer::setValue(const std::string& key, std::string value) {
    settings_.values[key] = std::move(value);
}

std::optional<Bytes> Printer::numberedKey(NumberedKey key) const {
    const auto found = settings_.keys.find(key);
    if (found == settings_.keys.end()) {
        return std::nullopt;
    }
    return found->second;
}

void Printer::setNumberedKey(NumberedKey key, Bytes value) {
    settings_.keys[key] = std::move(value);
}

} // namespace emulator
