#include "mdlCodePageText.h"

#include "mdlCommandTestAnsi.h"

namespace tolvane::diagnostics {

int AnsiCodePage() {
    return UiAnsiCodePage();
}

bool CodePageAvailable(int codePage) {
    return CodePageKnown(codePage);
}

std::string ToCodePage(std::string_view utf8, int codePage) {
    if (CodePageKnown(codePage)) {
        return Utf8ToAnsi(utf8, codePage);
    }
    if (const int ansi = AnsiCodePage(); CodePageKnown(ansi)) {
        return Utf8ToAnsi(utf8, ansi);
    }
    return std::string(utf8);
}

} // namespace tolvane::diagnostics
