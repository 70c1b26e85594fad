#include "mdlIniDocument.h"

namespace tolvane {

std::string IniFoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
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

namespace {

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

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    text = SkipBom(text);
    Section* current = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view rawLine = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);

        const std::string_view line = IniTrim(rawLine);
        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string_view name =
                IniTrim(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
            doc.sections_.push_back(Section{std::string(name), {}, {}});
            doc.sectionsByName_[IniFoldCase(name)].push_back(doc.sections_.size() - 1);
            current = &doc.sections_.back();
            continue;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = IniTrim(line.substr(0, equals));
        const std::string_view value = StripQuotes(IniTrim(line.substr(equals + 1)));
        current->firstEntry.emplace(IniFoldCase(key), current->entries.size());
        current->entries.push_back(Entry{std::string(key), std::string(value)});
    }
    return doc;
}

const std::vector<std::size_t>* IniDocument::SectionsNamed(std::string_view section) const {
    const auto it = sectionsByName_.find(IniFoldCase(IniTrim(section)));
    return it == sectionsByName_.end() ? nullptr : &it->second;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section, std::string_view key) const {
    const auto* indices = SectionsNamed(section);
    if (indices == nullptr) {
        return std::nullopt;
    }
    const std::string foldedKey = IniFoldCase(IniTrim(key));
    for (const std::size_t index : *indices) {
        const Section& s = sections_[index];
        const auto it = s.firstEntry.find(foldedKey);
        if (it != s.firstEntry.end()) {
            return std::string_view(s.entries[it->second].value);
        }
    }
    return std::nullopt;
}

std::vector<std::string> IniDocument::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) {
        if (sectionsByName_.at(IniFoldCase(s.name)).front() ==
            static_cast<std::size_t>(&s - sections_.data())) {
            names.push_back(s.name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    for (const auto& [key, value] : Entries(section)) {
        keys.push_back(key);
    }
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniDocument::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> result;
    const auto* indices = SectionsNamed(section);
    if (indices == nullptr) {
        return result;
    }
    std::unordered_map<std::string, bool> seen;
    for (const std::size_t index : *indices) {
        for (const Entry& e : sections_[index].entries) {
            if (seen.emplace(IniFoldCase(e.key), true).second) {
                result.emplace_back(e.key, e.value);
            }
        }
    }
    return result;
}

bool IniDocument::HasSection(std::string_view section) const {
    return SectionsNamed(section) != nullptr;
}

} // namespace tolvane
