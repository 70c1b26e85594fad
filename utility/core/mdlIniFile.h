// INI files read and written the way the classic Windows profile functions
// do (see mdlIniDocument.h for the reading rules), for UTF-8 files.
//
// Reads are served from a per-file cache that is checked against the file's
// identity, size and modification time on every call, so an edit made by
// another program takes effect at the next read. Writes change only the one
// key (or append it) and keep every other byte of the file; the file is
// replaced atomically.
#pragma once

#include "mdlIniDocument.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Files larger than this are treated as unreadable: reads give the default,
// writes are refused.
inline constexpr std::size_t kIniMaxFileBytes = 16u * 1024u * 1024u;
// Longest value a write accepts.
inline constexpr std::size_t kIniMaxValueBytes = 64u * 1024u;

// The parsed file; an empty document when the file is missing or unreadable.
std::shared_ptr<const IniDocument> IniLoad(const std::string& path);

// The trimmed value, or defaultValue when the file, section or key is missing.
std::string IniReadString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue = {});
std::vector<std::string> IniReadSectionNames(const std::string& path);
std::vector<std::string> IniReadKeys(const std::string& path, std::string_view section);

// Sets key=value in the first section of that name (the first existing entry
// of the key is updated; a new key goes after the section's last entry; a new
// section goes at the end of the file; a missing file is created). Refuses,
// returning false and leaving the file untouched, names or values that
// cannot be stored in an INI line: an empty key, a key with '=', a section
// with ']', any line break or NUL, or an over-long value.
bool IniWriteString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);

// Forgets every cached file (benchmarks measure cold loads with it).
void IniCacheClear();

} // namespace tolvane
