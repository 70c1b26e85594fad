#include "mdlPrinterList.h"

#include "mdlCompanyPrinterList.h"
#include "mdlFileUtil.h"
#include "mdlPaths.h"
#include "mdlTextLines.h"

#include <algorithm>

namespace tolvane {
namespace {

constexpr const char* kPrinterListName = "PrinterList.txt";

TPrinterEntry EntryOfLine(const std::string& line) {
    std::vector<std::string> fields = SplitFields(line, '|');
    fields.resize(std::max<std::size_t>(fields.size(), 5));
    for (std::string& field : fields) {
        if (field.size() > kMaxPrinterFieldBytes) {
            field.resize(kMaxPrinterFieldBytes);
        }
    }
    return {fields[0], fields[1], fields[2], fields[3], fields[4]};
}

// The whole file, when it can be carried over by a rewrite: missing (empty)
// or readable within the text-file limit.
bool ReadWholeList(const std::string& path, std::string& text) {
    text.clear();
    return !FileExists(path) || ReadWholeFile(path, kMaxTextFileBytes, text);
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace

std::string CleanPrinterField(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '|' || c == '\r' || c == '\n' || c == '\0'; },
        ' ');
    if (text.size() > kMaxPrinterFieldBytes) {
        text.resize(kMaxPrinterFieldBytes);
    }
    return text;
}

std::string TPrinterEntry::Line() const {
    return CleanPrinterField(ListName) + "|" + CleanPrinterField(PortKind) + "|" +
           CleanPrinterField(PortAddress) + "|" + CleanPrinterField(Notes) + "|" + CleanPrinterField(GenKey);
}

std::string PrinterListPath() {
    const std::string shipped = FilesFolder() + kPrinterListName;
    if (WorkFolder() == AppFolder()) {
        return shipped;
    }
    const std::string own = WorkFolder() + "files/" + kPrinterListName;
    if (!FileExists(own) && FileExists(shipped)) {
        std::string content;
        if (ReadWholeFile(shipped, kMaxTextFileBytes, content) && ForceDirectories(ParentFolder(own))) {
            WriteFileAtomic(own, content);
        }
    }
    ForceDirectories(ParentFolder(own));
    return own;
}

std::vector<TPrinterEntry> ReadPrinterList(const std::string& path) {
    std::vector<TPrinterEntry> entries;
    for (const std::string& line : ReadTextLines(path)) {
        entries.push_back(EntryOfLine(line));
    }
    return entries;
}

std::vector<TPrinterEntry> LoadOrCreatePrinterList(const std::string& path, const std::string& defaultModel) {
    std::vector<TPrinterEntry> entries = ReadPrinterList(path);
    if (entries.empty()) {
        WriteFileAtomic(path, TPrinterEntry{defaultModel, "USB", "USB", "", ""}.Line() + "\n");
        entries = ReadPrinterList(path);
    }
    return entries;
}

std::vector<TPrinterEntry> LoadUserPrinterList() {
    const std::vector<std::string> company = CompanyPrinterList();
    return LoadOrCreatePrinterList(PrinterListPath(), company.empty() ? std::string() : company.front());
}

bool WritePrinterList(const std::string& path, const std::vector<TPrinterEntry>& rows) {
    std::string text = "\n";
    for (const TPrinterEntry& row : rows) {
        text += row.Line() + "\n";
    }
    return WriteFileAtomic(path, text);
}

bool AppendPrinter(const std::string& path, const TPrinterEntry& entry) {
    std::string text;
    if (!ReadWholeList(path, text)) {
        return false;
    }
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
    }
    text += entry.Line() + "\n";
    return WriteFileAtomic(path, text);
}

bool ReplacePrinter(const std::string& path, std::size_t index, const TPrinterEntry& entry) {
    std::string text;
    if (!ReadWholeList(path, text)) {
        return false;
    }
    std::vector<std::string> lines = ReadTextLines(path);
    if (index >= lines.size()) {
        return false;
    }
    lines[index] = entry.Line();
    return WriteFileAtomic(path, JoinLines(lines));
}

} // namespace tolvane
