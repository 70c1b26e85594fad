// Small file-system helpers used by the core: bounded whole-file reads,
// atomic rewrites, and folder creation one level at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Reads the whole file into out. False when the file is missing, unreadable
// or larger than maxBytes (out is then empty).
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& out);
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& out);

// Replaces the file's content in one step: the data goes to a temporary file
// in the same folder, which is synced and renamed over the target, so a
// reader sees either the old or the new content and never a torn file. An
// existing file keeps its permission bits.
bool WriteFileAtomic(const std::string& path, std::string_view data);

// Creates the folder and any missing parents, one by one. True when the
// folder exists afterwards.
bool ForceDirectories(const std::string& path);

// Creates an empty file when none exists. True when the file exists afterwards.
bool EnsureFileExists(const std::string& path);

// Appends one text to the file, creating it when missing.
bool AppendToFile(const std::string& path, std::string_view data);

// "dir/" for "dir/name"; "" when there is no separator.
std::string ParentFolder(const std::string& path);

} // namespace tolvane
