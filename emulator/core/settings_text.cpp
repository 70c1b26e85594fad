#include "emulator/core/settings_text.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>

namespace emulator {
namespace {

std::string_view trim(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool parseNumber(std::string_view token, unsigned& number) {
    int base = 10;
    if (token.size() > 2 && token[0] == '0' && (token[1] == 'x' || token[1] == 'X')) {
        token.remove_prefix(2);
        base = 16;
    }
    if (token.empty()) {
        return false;
    }
    const auto [end, status] = std::from_chars(token.data(), token.data() + token.size(), number, base);
    return status == std::errc() && end == token.data() + token.size();
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The value without a trailing comment: '#' after a space (or at the start)
// and outside double quotes begins one.
std::string_view stripComment(std::string_view value) {
    bool quoted = false;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '"') {
            quoted = !quoted;
        } else if (value[i] == '#' && !quoted && (i == 0 || value[i - 1] == ' ' || value[i - 1] == '\t')) {
            return value.substr(0, i);
        }
    }
    return value;
}

// Text that reads back unchanged between double quotes.
bool isPlainText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || byte == '"') {
            return false;
        }
    }
    return true;
}

} // namespace

bool parseSettingsText(std::string_view text, std::vector<SettingsSection>& sections, std::string& error) {
    sections.clear();
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (line.size() > kMaxSettingsLine) {
            error = where + "longer than " + std::to_string(kMaxSettingsLine) + " characters";
            return false;
        }
        line = trim(line);
        if (line.empty() || line[0] == '#' || line[0] == ';') {
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3) {
                error = where + "a section line looks like [name]";
                return false;
            }
            sections.push_back({lineNumber, std::string(trim(line.substr(1, line.size() - 2))), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || trim(line.substr(0, equals)).empty()) {
            error = where + "expected name = value";
            return false;
        }
        if (sections.empty()) {
            error = where + "an entry before the first [section]";
            return false;
        }
        sections.back().entries.push_back({lineNumber, std::string(trim(line.substr(0, equals))),
                                           std::string(trim(stripComment(line.substr(equals + 1))))});
    }
    return true;
}

bool readWholeFile(const std::string& path, size_t limit, std::string& text, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    text.assign(limit + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(limit + 1));
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    text.resize(static_cast<size_t>(file.gcount()));
    if (text.size() > limit) {
        error = path + " is larger than " + std::to_string(limit) + " bytes";
        return false;
    }
    return true;
}

bool parseTextValue(std::string_view value, std::string& text, std::string& error) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        text = value.substr(1, value.size() - 2);
        return true;
    }
    if (value.substr(0, 4) == "hex:") {
        text.clear();
        std::string_view rest = value.substr(4);
        while (!(rest = trim(rest)).empty()) {
            const int high = hexDigit(rest[0]);
            const int low = rest.size() > 1 ? hexDigit(rest[1]) : -1;
            if (high < 0 || low < 0 || (rest.size() > 2 && rest[2] != ' ')) {
                error = "hex: is followed by two-digit hexadecimal bytes separated by spaces";
                return false;
            }
            text += static_cast<char>(high * 16 + low);
            rest.remove_prefix(2);
        }
        return true;
    }
    text = value;
    return true;
}

std::string formatTextValue(std::string_view text) {
    if (isPlainText(text)) {
        return "\"" + std::string(text) + "\"";
    }
    return "hex:" + (text.empty() ? std::string() : " " + hexText(bytesOf(text)));
}

bool parseByteList(std::string_view value, Bytes& bytes, std::string& error) {
    bytes.clear();
    std::string_view rest = trim(value);
    while (!rest.empty()) {
        if (rest[0] == '"') {
            const size_t close = rest.find('"', 1);
            if (close == std::string_view::npos) {
                error = "a quoted text has no closing quote";
                return false;
            }
            const std::string_view quoted = rest.substr(1, close - 1);
            bytes.insert(bytes.end(), quoted.begin(), quoted.end());
            rest = trim(rest.substr(close + 1));
            continue;
        }
        const size_t space = rest.find_first_of(" \t");
        const std::string_view token = rest.substr(0, space);
        unsigned number = 0;
        if (!parseNumber(token, number) || number > 255) {
            error = "\"" + std::string(token) + "\" is not a byte (0 to 255, or 0x00 to 0xFF)";
            return false;
        }
        bytes.push_back(static_cast<uint8_t>(number));
        rest = space == std::string_view::npos ? std::string_view() : trim(rest.substr(space));
    }
    return true;
}

std::string formatByteList(ByteView bytes) {
    std::string text;
    for (const std::string& hex = hexText(bytes); const char c : hex) {
        if (text.empty() || text.back() == ' ') {
            text += "0x";
        }
        text += c;
    }
    return text;
}

} // namespace emulator
