// Fuzz entry for the lists and numbers a printer sends back to the download
// windows: any bytes are read as a ZZZFILES reply, as a "fonts" reply, as a
// memory size and as a ZZZFILESSIZE reply. Every name must be a non-empty
// piece of the reply without its separators, the names together no longer
// than the reply, and a formatted size only digits grouped by three.
#include "mdlDLFont.h"
#include "mdlDLNames.h"
#include "mdlTsplFiles.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void CheckTsplList(std::span<const uint8_t> reply) {
    std::size_t total = 0;
    for (const std::string& name : tolvane::download::ParseTsplFileList(reply)) {
        Require(!name.empty());
        Require(name.find_first_of(std::string(",\r\0", 3)) == std::string::npos);
        total += name.size();
    }
    Require(total <= reply.size());
}

void CheckFontList(const std::string& reply) {
    std::size_t total = 0;
    for (const tolvane::download::TFontEntry& font : tolvane::download::ParseFontList(reply)) {
        Require(!font.name.empty());
        Require(font.name.find(',') == std::string::npos);
        total += font.name.size() + 2; // the memory letter and its "_"
    }
    Require(total <= reply.size());
}

void CheckSpaceNumber(const std::string& reply) {
    const std::string shown = tolvane::download::FormatSpaceNumber(reply);
    if (shown.empty()) {
        return;
    }
    const std::size_t first = shown[0] == '-' ? 1 : 0;
    Require(first < shown.size());
    // From the right: three digits, a comma, three digits ... and no comma
    // first.
    std::size_t digits = 0;
    for (std::size_t n = shown.size(); n-- > first;) {
        const char c = shown[n];
        if (c == ',') {
            Require(digits > 0 && digits % 3 == 0 && n > first);
        } else {
            Require(c >= '0' && c <= '9');
            ++digits;
        }
    }
    Require(digits <= 15); // sizes of 10^15 and above are refused
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckTsplList(bytes);
    CheckFontList(text);
    CheckSpaceNumber(text);
    if (size >= 16) {
        const std::span<const uint8_t, 16> space = bytes.first<16>();
        for (const int position : {tolvane::download::kPositionCard, tolvane::download::kPositionInternal}) {
            const tolvane::download::TTsplSpace read = tolvane::download::TsplSpaceOf(space, position);
            const std::size_t base = position == tolvane::download::kPositionCard ? 0 : 8;
            Require((read.total & 0xFF) == data[base] && (read.free >> 24) == data[base + 7]);
        }
    }
    return 0;
}
