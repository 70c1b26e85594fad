// A parsed INI text with the lookup rules of the classic Windows profile
// functions: section and key names compare without regard to ASCII case, the
// first match wins, values are trimmed and lose one pair of surrounding
// quotes, and nothing is unescaped. Lines starting with ';' or '#' are
// comments; lines before the first section and lines without '=' are ignored.
//
// The document keeps the text it was parsed from; names and values are views
// into it, so parsing and lookups allocate little.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
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

// Hash and equality of names that ignore ASCII case. (The hash is not
// noexcept so that hash tables keep each hash instead of recomputing it.)
struct IniNameHash {
    std::size_t operator()(std::string_view name) const;
};
struct IniNameEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

class IniDocument {
  public:
    IniDocument() = default;
    static IniDocument Parse(std::string text);

    // The value of the first entry named key in the first section named
    // section that holds it; nullopt when there is none. The view lives as
    // long as the document.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Calls visit(key, value) for each key of every section with this name,
    // in file order, the first occurrence of each key only.
    void ForEachEntry(std::string_view section,
                      const std::function<void(std::string_view key, std::string_view value)>& visit) const;

    // Section names in file order, each name once (first spelling).
    std::vector<std::string> SectionNames() const;
    // Keys of every section with this name, in file order, each key once.
    std::vector<std::string> Keys(std::string_view section) const;
    // Key and value pairs of the section, first occurrence of each key only.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;
    bool HasSection(std::string_view section) const;

  private:
    using NameIndex = std::unordered_map<std::string_view, std::size_t, IniNameHash, IniNameEqual>;
    struct Entry {
        std::string_view key;
        std::string_view value;
    };
    struct Section {
        std::string_view name;
        std::vector<Entry> entries;
        NameIndex firstEntry; // key -> index of its first entry in this section
    };

    const std::vector<std::size_t>* SectionsNamed(std::string_view section) const;

    // Owned on the heap so that the views stay valid when the document moves.
    std::unique_ptr<const std::string> text_;
    std::vector<Section> sections_;
    // Section name -> indices of every section with that name, in order.
    std::unordered_map<std::string_view, std::vector<std::size_t>, IniNameHash, IniNameEqual> sectionsByName_;
};

} // namespace tolvane
