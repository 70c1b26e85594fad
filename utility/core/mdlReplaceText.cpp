#include "mdlReplaceText.h"

#include <algorithm>

namespace tolvane {

std::string ReplaceNumbered(const std::string& text, const std::vector<std::string>& values, int first) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        if (open == std::string::npos) {
            break;
        }
        out.append(text, at, open - at);
        // "{" digits "}": at most two digits, so that no number can overflow.
        std::size_t end = open + 1;
        int number = 0;
        while (end < text.size() && end - open <= 2 && text[end] >= '0' && text[end] <= '9') {
            number = number * 10 + (text[end] - '0');
            ++end;
        }
        const int index = number - first;
        if (end > open + 1 && end < text.size() && text[end] == '}' && index >= 0 &&
            static_cast<std::size_t>(index) < values.size()) {
            out += values[static_cast<std::size_t>(index)];
            at = end + 1;
        } else {
            out += '{';
            at = open + 1;
        }
    }
    out.append(text, std::min(at, text.size()), std::string::npos);
    return out;
}

std::string ReplaceText(const std::string& text, const std::string& value) {
    return ReplaceNumbered(text, {value});
}

} // namespace tolvane
