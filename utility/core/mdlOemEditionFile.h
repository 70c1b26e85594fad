// The edition file "OemEditions.ini" (in FilesFolder): one section per known
// edition, named by its edition code, holding the values of TOemClass and
// the rules of single editions. docs/EDITIONS.md describes the format. The
// file is read once at start-up; a record that breaks a rule is skipped
// with a debug log line, and a missing file leaves only the base edition.
#pragma once

#include "mdlOemClass.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

class IniDocument;

inline constexpr const char* kOemEditionFileName = "OemEditions.ini";
// The file keeps at most this many editions; further sections are skipped.
inline constexpr std::size_t kMaxOemEditions = 256;

// One edition as the file gives it.
struct TOemEditionRecord {
    // ToolType and OemCo hold the record's flavour and code; ProductGuid and
    // ProductCode are set by the edition's Initialise.
    TOemValues Values;
    // The caption suffix: this text, then the language text of the key.
    std::string CaptionSuffix;
    std::string CaptionSuffixKey;
    // Added to the model list with the programmer role ...
    std::vector<std::string> ProgrammerModels;
    // ... and while the test-data marker exists.
    std::vector<std::string> TestModels;
};

struct TOemEditionTable {
    // Mobile editions first, then Label editions, each in file order.
    std::vector<std::shared_ptr<const TOemEditionRecord>> Records;
    // One line per skipped section: "[code]: reason".
    std::vector<std::string> Problems;
};

// The records of an edition file's text, checked.
TOemEditionTable ParseOemEditions(const IniDocument& doc);

// Reads FilesFolder's edition file into the program's table and writes each
// problem (and a missing file) to the debug log.
void LoadOemEditions();
// The program's table (read on first use when LoadOemEditions was not
// called, or when FilesFolder changed since).
std::vector<std::shared_ptr<const TOemEditionRecord>> OemEditions();
// The record of the edition the pair selects (flavour and code both match
// exactly); null for every other pair, which gets the base edition.
std::shared_ptr<const TOemEditionRecord> FindOemEdition(std::string_view toolType, std::string_view oemCo);
// Forgets the table.
void ClearOemEditions();

} // namespace tolvane
