#include "mdlReplaceText.h"

#include <string_view>

namespace tolvane {

std::string ReplaceText(std::string text, const std::string& value) {
    constexpr std::string_view kPlaceHolder = "{0}";
    for (std::size_t at = text.find(kPlaceHolder); at != std::string::npos;
         at = text.find(kPlaceHolder, at + value.size())) {
        text.replace(at, kPlaceHolder.size(), value);
    }
    return text;
}

} // namespace tolvane
