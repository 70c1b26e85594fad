#pragma once

#include "emulator/core/bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace emulator {

// The text format of profiles and state files: "[section]" lines and
// "name = value" lines; blank lines and lines starting with '#' or ';' are
// skipped, and a '#' after a space outside double quotes starts a comment
// at the end of a value. See the emulator's README.
struct SettingsEntry {
    int line = 0;
    std::string name;
    std::string value;
};

struct SettingsSection {
    int line = 0;
    std::string name;
    std::vector<SettingsEntry> entries;
};

constexpr size_t kMaxSettingsFile = 1u << 20;
constexpr size_t kMaxSettingsLine = 4096;

// Splits `text` into sections. False with `error` ("line N: ...") on a
// line that is neither, an entry before the first section, or a line
// longer than kMaxSettingsLine.
bool parseSettingsText(std::string_view text, std::vector<SettingsSection>& sections, std::string& error);

// Reads a whole file of at most `limit` bytes.
bool readWholeFile(const std::string& path, size_t limit, std::string& text, std::string& error);

// A value text: "quoted" gives the text between the outer quotes,
// hex:41 42 the bytes given in hexadecimal, anything else itself.
bool parseTextValue(std::string_view value, std::string& text, std::string& error);
// Writes a text so that parseTextValue reads it back unchanged.
std::string formatTextValue(std::string_view text);

// A list of bytes separated by spaces: decimal (0 to 255) or 0x-prefixed
// hexadecimal numbers, and "quoted texts" whose characters are taken as bytes.
bool parseByteList(std::string_view value, Bytes& bytes, std::string& error);
// Writes bytes as 0x-prefixed hexadecimal numbers.
std::string formatByteList(ByteView bytes);

} // namespace emulator
