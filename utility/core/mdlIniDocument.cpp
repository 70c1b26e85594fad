#include "mdlIniDocument.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tolvane {
namespace {

constexpr char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view SkipBom(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    return text.substr(0, bom.size()) == bom ? text.substr(bom.size()) : text;
}

} // namespace

std::string IniFoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = Fold(c);
    }
    return folded;
}

std::string_view IniTrim(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::size_t IniNameHash::operator()(std::string_view name) const {
    // Eight bytes at a time: ASCII capitals get their 0x20 bit, then a
    // multiply-rotate mix. Names of thousands of keys are hashed at parse time.
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    constexpr std::uint64_t kMul = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = name.size() * kMul;
    while (!name.empty()) {
        std::uint64_t word = 0;
        const std::size_t n = std::min<std::size_t>(name.size(), 8);
        std::memcpy(&word, name.data(), n);
        name.remove_prefix(n);
        const std::uint64_t low7 = word & ~kHigh;
        const std::uint64_t atLeastA = low7 + 0x3F3F3F3F3F3F3F3Full; // high bit: byte >= 'A'
        const std::uint64_t aboveZ = low7 + 0x2525252525252525ull;   // high bit: byte > 'Z'
        const std::uint64_t capitals = atLeastA & ~aboveZ & ~word & kHigh;
        word |= capitals >> 2;
        hash = (std::rotl(hash, 23) ^ word) * kMul;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 29));
}

bool IniNameEqual::operator()(std::string_view a, std::string_view b) const noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) {
            return false;
        }
    }
    return true;
}

IniDocument IniDocument::Parse(std::string text) {
    IniDocument doc;
    doc.text_ = std::make_unique<const std::string>(std::move(text));
    std::string_view rest = SkipBom(*doc.text_);
    Section* current = nullptr;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = IniTrim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);

        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string_view name =
                IniTrim(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
            doc.sections_.push_back(Section{name, {}, {}});
            doc.sectionsByName_[name].push_back(doc.sections_.size() - 1);
            current = &doc.sections_.back();
            continue;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        current->entries.push_back(
            Entry{IniTrim(line.substr(0, equals)), StripQuotes(IniTrim(line.substr(equals + 1)))});
    }
    for (Section& section : doc.sections_) {
        section.firstEntry.reserve(section.entries.size());
        for (std::size_t i = 0; i < section.entries.size(); ++i) {
            section.firstEntry.emplace(section.entries[i].key, i);
        }
    }
    return doc;
}

const std::vector<std::size_t>* IniDocument::SectionsNamed(std::string_view section) const {
    const auto it = sectionsByName_.find(IniTrim(section));
    return it == sectionsByName_.end() ? nullptr : &it->second;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto* indices = SectionsNamed(section);
    if (indices == nullptr) {
        return std::nullopt;
    }
    const std::string_view trimmedKey = IniTrim(key);
    for (const std::size_t index : *indices) {
        const Section& s = sections_[index];
        const auto it = s.firstEntry.find(trimmedKey);
        if (it != s.firstEntry.end()) {
            return s.entries[it->second].value;
        }
    }
    return std::nullopt;
}

void IniDocument::ForEachEntry(std::string_view section,
                               const std::function<void(std::string_view, std::string_view)>& visit) const {
    const auto* indices = SectionsNamed(section);
    if (indices == nullptr) {
        return;
    }
    for (std::size_t n = 0; n < indices->size(); ++n) {
        const Section& s = sections_[(*indices)[n]];
        for (std::size_t i = 0; i < s.entries.size(); ++i) {
            const Entry& e = s.entries[i];
            if (s.firstEntry.at(e.key) != i) {
                continue; // a later duplicate within the section
            }
            bool inEarlierSection = false;
            for (std::size_t m = 0; m < n && !inEarlierSection; ++m) {
                inEarlierSection = sections_[(*indices)[m]].firstEntry.count(e.key) > 0;
            }
            if (!inEarlierSection) {
                visit(e.key, e.value);
            }
        }
    }
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (sectionsByName_.at(sections_[i].name).front() == i) {
            names.emplace_back(sections_[i].name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    ForEachEntry(section, [&](std::string_view key, std::string_view) { keys.emplace_back(key); });
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> result;
    ForEachEntry(section,
                 [&](std::string_view key, std::string_view value) { result.emplace_back(key, value); });
    return result;
}

bool IniDocument::HasSection(std::string_view section) const {
    return SectionsNamed(section) != nullptr;
}

} // namespace tolvane
