#include "emulator/core/file_store.h"

#include <algorithm>

namespace emulator {

MemoryName splitMemoryName(const std::string& value) {
    if (value.size() > 2 && (value[0] == 'R' || value[0] == 'E') && value[1] == '_') {
        return {value[0], value.substr(2)};
    }
    return {0, value};
}

size_t FileStore::used(char memory) const {
    size_t total = 0;
    for (const File& file : files_) {
        if (file.memory == memory) {
            total += file.data.size();
        }
    }
    return total;
}

size_t FileStore::remaining(char memory) const {
    const size_t taken = used(memory);
    return taken >= capacity(memory) ? 0 : capacity(memory) - taken;
}

bool FileStore::store(File file) {
    size_t replaced = 0;
    const auto same = [&](const File& f) {
        return f.kind == file.kind && f.memory == file.memory && f.name == file.name;
    };
    if (const auto it = std::find_if(files_.begin(), files_.end(), same); it != files_.end()) {
        replaced = it->data.size();
    }
    if (file.data.size() > remaining(file.memory) + replaced) {
        return false;
    }
    std::erase_if(files_, same);
    files_.push_back(std::move(file));
    return true;
}

const FileStore::File* FileStore::find(const std::string& kind, const std::string& value) const {
    const auto match = [&](char memory, const std::string& name) -> const File* {
        for (const File& file : files_) {
            if (file.kind == kind && (memory == 0 || file.memory == memory) && file.name == name) {
                return &file;
            }
        }
        return nullptr;
    };
    const MemoryName split = splitMemoryName(value);
    if (split.memory != 0) {
        if (const File* file = match(split.memory, split.name)) {
            return file;
        }
    }
    return match(0, value);
}

bool FileStore::erase(const std::string& kind, const std::string& value) {
    const File* file = find(kind, value);
    if (file == nullptr) {
        return false;
    }
    files_.erase(files_.begin() + (file - files_.data()));
    return true;
}

std::vector<const FileStore::File*> FileStore::list(const std::string& kind) const {
    std::vector<const File*> out;
    for (const File& file : files_) {
        if (file.kind == kind) {
            out.push_back(&file);
        }
    }
    return out;
}

} // namespace emulator
