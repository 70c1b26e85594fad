// The names a shared library exports: the defined global and weak symbols of
// its dynamic symbol table, read straight from the ELF file.
#pragma once

#include <set>
#include <string>

namespace testsupport {

// Throws std::runtime_error when the file is not a readable 64-bit ELF object.
std::set<std::string> exportedSymbols(const std::string& libraryPath);

} // namespace testsupport
