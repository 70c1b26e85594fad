#pragma once

#include "emulator/core/bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace emulator {

// The files a printer keeps: images ("bitmaps"), label templates ("labels"),
// auto-templates ("autoform"), fonts ("fonts") and user fonts ("userfont",
// named by their encoding) in RAM ('R') or flash ('E'), each memory
// with a capacity; files stored by TSPL commands live in flash with the
// kind "direct", or on the memory card ('F') with the kind "card". A download received block by block is
// collected in `pending` until its short last block arrives.
class FileStore {
  public:
    struct File {
        std::string kind;
        char memory = 'E';
        std::string name;
        Bytes data;
    };
    struct PendingDownload {
        std::string kind;
        char memory = 'E';
        std::string name;
        Bytes data;
        uint32_t nextBlock = 0;
        // A user font: blocks filled with 0xFF whose sum covers the whole
        // data area; the file ends with its last block, whatever its
        // length, so every accepted block is stored at once.
        bool userFont = false;
    };

    size_t capacity(char memory) const {
        return memory == 'R' ? ramCapacity : memory == 'F' ? cardCapacity : flashCapacity;
    }
    size_t used(char memory) const;
    size_t remaining(char memory) const;

    // Stores a file, replacing one of the same kind, memory and name; false
    // (nothing stored) when it does not fit.
    bool store(File file);
    // The file of that kind named `value`: "R_NAME"/"E_NAME" in that memory,
    // or a bare name in either memory.
    const File* find(const std::string& kind, const std::string& value) const;
    bool erase(const std::string& kind, const std::string& value);
    std::vector<const File*> list(const std::string& kind) const;

    size_t flashCapacity = 4 << 20;
    size_t ramCapacity = 512 << 10;
    // The memory card of a TSPL printer (memory 'F', kind "card").
    size_t cardCapacity = 1 << 20;
    std::optional<PendingDownload> pending;
    // For tests: the block of this number is refused (status 1).
    std::optional<uint32_t> refuseBlock;

  private:
    std::vector<File> files_;
};

// "R_NAME" or "E_NAME": the memory and the name; a bare name gives memory 0.
struct MemoryName {
    char memory = 0;
    std::string name;
};
MemoryName splitMemoryName(const std::string& value);

} // namespace emulator
