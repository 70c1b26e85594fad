// Fuzz entry for the sectioned-file walk: any bytes are walked as a
// firmware file. A file the walk accepts must be covered exactly by its
// sections (headers and data inside the file, one after another, up to the
// last byte), and its step total must match the sections; a refused file
// has no sections.
#include "mdlFirmwareFile.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane::firmware;
    const TSectionWalk walk = WalkSections(std::span<const uint8_t>(data, size));
    if (walk.check != TFileCheck::Ok) {
        if (!walk.sections.empty() && walk.failedAt > size) {
            __builtin_trap();
        }
        return 0;
    }
    std::size_t offset = 0;
    int steps = 0;
    for (const TFirmwareSection& section : walk.sections) {
        if (section.headerOffset != offset || section.dataLength > size ||
            offset + kSectionHeaderSize + section.dataLength > size) {
            __builtin_trap(); // a section outside the file would be sent from beyond it
        }
        offset += kSectionHeaderSize + section.dataLength;
        steps += section.Steps();
    }
    if (offset != size || steps != walk.steps || size == 0) {
        __builtin_trap();
    }
    return 0;
}
