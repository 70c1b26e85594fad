#include "elf_exports.h"

#include <cstring>
#include <elf.h>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace testsupport {
namespace {

template <typename T>
T at(const std::vector<char>& file, size_t offset) {
    if (offset + sizeof(T) > file.size()) {
        throw std::runtime_error("truncated ELF file");
    }
    T value;
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

} // namespace

std::set<std::string> exportedSymbols(const std::string& libraryPath) {
    std::ifstream in(libraryPath, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + libraryPath);
    }
    const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto header = at<Elf64_Ehdr>(file, 0);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64) {
        throw std::runtime_error("not a 64-bit ELF file: " + libraryPath);
    }
    std::set<std::string> names;
    for (size_t i = 0; i < header.e_shnum; ++i) {
        const auto section = at<Elf64_Shdr>(file, header.e_shoff + i * header.e_shentsize);
        if (section.sh_type != SHT_DYNSYM) {
            continue;
        }
        const auto strings = at<Elf64_Shdr>(file, header.e_shoff + section.sh_link * header.e_shentsize);
        for (size_t s = 0; s < section.sh_size / sizeof(Elf64_Sym); ++s) {
            const auto symbol = at<Elf64_Sym>(file, section.sh_offset + s * sizeof(Elf64_Sym));
            const unsigned binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || (binding != STB_GLOBAL && binding != STB_WEAK) ||
                symbol.st_name == 0 || strings.sh_offset + symbol.st_name >= file.size()) {
                continue;
            }
            names.insert(std::string(file.data() + strings.sh_offset + symbol.st_name));
        }
    }
    return names;
}

} // namespace testsupport
