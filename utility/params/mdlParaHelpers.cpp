#include "mdlParaHelpers.h"

#include "mdlLangTextTable.h"
#include "mdlMessages.h"
#include "mdlReplaceText.h"

#include <algorithm>
#include <array>

namespace tolvane::params {

std::string Txt(const std::string& key) {
    return IsTextTableKey(key) ? LangAll(key) : LangText(key);
}

std::string TxtWith(const std::string& key, const std::string& value) {
    return ReplaceText(Txt(key), value);
}

std::string TxtFilled(const std::string& key, const std::vector<std::string>& values, int first) {
    return ReplaceNumbered(Txt(key), values, first);
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) {
        ++begin;
    }
    while (end > begin && blank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(begin, end - begin));
}

bool ShowAddressReply(TFormModel& form, const std::string& field, const std::string& reply) {
    if (reply.size() <= 6) {
        return true;
    }
    const std::vector<std::string> parts = SplitText(reply, '.');
    if (parts.size() < 4) {
        return false;
    }
    for (std::size_t n = 0; n < 4; ++n) {
        form.SetText(field + std::to_string(n + 1), parts[n].substr(0, 3));
    }
    return true;
}

std::string AddressFromFields(const TFormModel& form, const std::string& field) {
    std::string value;
    for (int n = 1; n <= 4; ++n) {
        const std::string part = Trim(form[field + std::to_string(n)].text);
        if (part.empty()) {
            return {};
        }
        value += part + ".";
    }
    return value;
}

void SelectItemByText(TFormModel& form, std::string_view list, std::string_view text) {
    const TControl& control = form[list];
    const std::string wanted = LowerAscii(text);
    int found = 0;
    for (std::size_t n = 0; n < control.items.size(); ++n) {
        if (LowerAscii(control.items[n]) == wanted) {
            found = static_cast<int>(n);
            break;
        }
    }
    form.SetIndex(list, control.items.empty() ? -1 : found);
}

bool SelectItemByExactText(TFormModel& form, std::string_view list, std::string_view text) {
    const TControl& control = form[list];
    const auto at = std::find(control.items.begin(), control.items.end(), text);
    if (at == control.items.end()) {
        return false;
    }
    form.SetIndex(list, static_cast<int>(at - control.items.begin()));
    return true;
}

std::string CodePageCode(std::string_view entry) {
    const std::size_t close = entry.rfind(')');
    if (close == std::string_view::npos) {
        return {};
    }
    const std::size_t open = entry.rfind('(', close);
    if (open == std::string_view::npos) {
        return {};
    }
    return std::string(entry.substr(open + 1, close - open - 1));
}

void SelectCodePage(TFormModel& form, std::string_view list, std::string_view code) {
    const TControl& control = form[list];
    int found = 0;
    for (std::size_t n = 0; n < control.items.size(); ++n) {
        if (LowerAscii(CodePageCode(control.items[n])) == code) {
            found = static_cast<int>(n);
            break;
        }
    }
    form.SetIndex(list, control.items.empty() ? -1 : found);
}

const std::vector<std::string>& ParaValueTable(int table) {
    static const std::array<std::vector<std::string>, 8> tables = {{
        {"on", "off"},
        {"gap", "black mark", "continuous"},
        {"off", "tear", "peel", "cutter"},
        {"fixed", "auto"},
        {"feed", "calibation", "length", "none"},
        {"standard", "alternate", "alternate-2"},
        {"tear", "peel", "cutter"},
        {"wpa", "wep1", "wep2"},
    }};
    static const std::vector<std::string> none;
    return table >= 0 && table < static_cast<int>(tables.size()) ? tables[static_cast<std::size_t>(table)]
                                                                 : none;
}

std::string ParaValueWord(int table, int position) {
    const std::vector<std::string>& words = ParaValueTable(table);
    return position >= 0 && position < static_cast<int>(words.size())
               ? words[static_cast<std::size_t>(position)]
               : std::string();
}

void MapParaValue(TFormModel& form, std::string_view list, std::string_view word, int position,
                  std::string& out, int table) {
    if (word.empty()) {
        out = ParaValueWord(table, position);
        return;
    }
    const std::vector<std::string>& words = ParaValueTable(table);
    const auto at = std::find(words.begin(), words.end(), word);
    form.SetIndex(list, at == words.end() ? 0 : static_cast<int>(at - words.begin()));
}

bool FindValueByName(const TNameValues& list, std::string_view name, std::string& value) {
    for (const auto& [n, v] : list) {
        if (n == name) {
            value = v;
            return true;
        }
    }
    return false;
}

bool FindNameByValue(const TNameValues& list, std::string_view value, std::string& name) {
    for (const auto& [n, v] : list) {
        if (v == value) {
            name = n;
            return true;
        }
    }
    return false;
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(text.substr(start));
            return parts;
        }
        parts.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

} // namespace tolvane::params
