#include "mdlTextLines.h"

#include "mdlIniDocument.h"

#include <fstream>

namespace tolvane {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace

std::vector<std::string> ReadTextLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream file(path, std::ios::binary);
    std::string line;
    std::size_t total = 0;
    bool first = true;
    while (std::getline(file, line)) {
        total += line.size() + 1;
        if (total > kMaxTextFileBytes) {
            break;
        }
        if (first && line.starts_with(kUtf8Bom)) {
            line.erase(0, kUtf8Bom.size());
        }
        first = false;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!IniTrim(line).empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> SplitFields(std::string_view text, char delimiter) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(delimiter, start);
        fields.emplace_back(
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

} // namespace tolvane
