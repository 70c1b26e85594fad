// The user's printer list "PrinterList.txt": one printer per line, five
// fields separated by "|" (list name, port kind, port address, notes,
// firmware-generation key). Every rewrite replaces the file atomically, so a
// failed or interrupted write leaves the previous list intact.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tolvane {

// Longest field kept from a line (a longer one is cut).
inline constexpr std::size_t kMaxPrinterFieldBytes = 256;

struct TPrinterEntry {
    std::string ListName;    // field 1: the model chosen in the management dialog
    std::string PortKind;    // field 2: "USB", "COM", "LPT" or "NET"
    std::string PortAddress; // field 3: comma-form address
    std::string Notes;       // field 4 (empty when the line has fewer fields)
    std::string GenKey;      // field 5 (empty when the line has fewer fields)

    // The five fields joined by "|". Field text that would break the line
    // ("|", line breaks, NUL) is replaced by blanks.
    std::string Line() const;
    bool operator==(const TPrinterEntry&) const = default;
};

// Replaces "|", CR, LF and NUL by blanks and cuts the text to the field limit.
std::string CleanPrinterField(std::string text);

// Where the printer list lives: FilesFolder when the program's folder is
// writable, else the per-user work folder's "files/" (seeded from the shipped
// list on first use).
std::string PrinterListPath();

// The printers of the file: blank lines skipped, fields split at "|",
// missing fields empty. A missing file gives none; a file larger than the
// text-file limit is read up to its last whole line within it.
std::vector<TPrinterEntry> ReadPrinterList(const std::string& path);

// The printers of the file; when it holds none (missing or empty), it is
// first created with the one line model|USB|USB|| and read again.
std::vector<TPrinterEntry> LoadOrCreatePrinterList(const std::string& path, const std::string& defaultModel);

// The user's printers as the main window lists them: the list at
// PrinterListPath(), created with the first model of the company printer
// list when it holds none.
std::vector<TPrinterEntry> LoadUserPrinterList();

// Rewrites the file from rows: an empty first line, then one line of five
// fields per row (the form the list takes after a printer was deleted).
bool WritePrinterList(const std::string& path, const std::vector<TPrinterEntry>& rows);

// Adds a printer at the end of the file, keeping every existing byte. The
// rewrites refuse (false, file untouched) a file larger than the text-file
// limit, which they could not carry over whole.
bool AppendPrinter(const std::string& path, const TPrinterEntry& entry);

// Replaces the printer at index (counting non-blank lines) and rewrites the
// file with all its non-blank lines. False, leaving the file untouched, when
// index is out of range or the write fails.
bool ReplacePrinter(const std::string& path, std::size_t index, const TPrinterEntry& entry);

} // namespace tolvane
