// Firmware files for the tests: sectioned files built header by header,
// and plain data with a recognisable pattern.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tolvane::test {

inline void PutLong(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline void PutField(std::vector<std::uint8_t>& out, const std::string& text) {
    for (std::size_t n = 0; n < 32; ++n) {
        out.push_back(n < text.size() ? static_cast<std::uint8_t>(text[n]) : 0);
    }
}

// Bytes numbered from `seed`, so that a misplaced byte shows.
inline std::vector<std::uint8_t> Pattern(std::size_t size, std::uint8_t seed = 1) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t n = 0; n < size; ++n) {
        bytes[n] = static_cast<std::uint8_t>(seed + n * 7 + n / 251);
    }
    return bytes;
}

// A 76-byte header: bytes 0 to 3 the number of sections in the file (the
// emulator's end marker), then the length, type, name and version.
inline std::vector<std::uint8_t> SectionHeader(std::uint32_t sections, std::int32_t length,
                                               std::uint32_t type, const std::string& name,
                                               const std::string& version) {
    std::vector<std::uint8_t> header;
    PutLong(header, sections);
    PutLong(header, static_cast<std::uint32_t>(length));
    PutLong(header, type);
    PutField(header, name);
    PutField(header, version);
    return header;
}

struct TestSection {
    std::string name;
    std::string version;
    std::uint32_t type = 1;
    std::size_t length = 0;
};

inline std::vector<std::uint8_t> SectionedFile(const std::vector<TestSection>& sections) {
    std::vector<std::uint8_t> file;
    std::uint8_t seed = 3;
    for (const TestSection& section : sections) {
        const std::vector<std::uint8_t> header = SectionHeader(static_cast<std::uint32_t>(sections.size()),
                                                               static_cast<std::int32_t>(section.length),
                                                               section.type, section.name, section.version);
        file.insert(file.end(), header.begin(), header.end());
        const std::vector<std::uint8_t> data = Pattern(section.length, seed++);
        file.insert(file.end(), data.begin(), data.end());
    }
    return file;
}

inline std::string AsString(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

} // namespace tolvane::test
