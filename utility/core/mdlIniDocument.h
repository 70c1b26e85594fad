// A parsed INI text with the lookup rules of the classic Windows profile
// functions: section and key names compare without regard to ASCII case, the
// first match wins, values are trimmed and lose one pair of surrounding
// quotes, and nothing is unescaped. Lines starting with ';' or '#' are
// comments; lines before the first section and lines without '=' are ignored.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tolvane {

// Lower-cases ASCII letters only; other bytes (UTF-8 included) stay as they are.
std::string IniFoldCase(std::string_view text);
// Removes blanks, tabs and line-end characters at both ends.
std::string_view IniTrim(std::string_view text);

class IniDocument {
  public:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        // Folded key -> index of its first entry in this section.
        std::unordered_map<std::string, std::size_t> firstEntry;
    };

    IniDocument() = default;
    static IniDocument Parse(std::string_view text);

    // The value of the first entry named key in the first section named
    // section that holds it; nullopt when there is none.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Section names in file order, each name once (first spelling).
    std::vector<std::string> SectionNames() const;
    // Keys of every section with this name, in file order, each key once.
    std::vector<std::string> Keys(std::string_view section) const;
    // Key and value pairs of the section, first occurrence of each key only.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
    bool HasSection(std::string_view section) const;

  private:
    const std::vector<std::size_t>* SectionsNamed(std::string_view section) const;

    std::vector<Section> sections_;
    // Folded section name -> indices of every section with that name, in order.
    std::unordered_map<std::string, std::vector<std::size_t>> sectionsByName_;
};

} // namespace tolvane
