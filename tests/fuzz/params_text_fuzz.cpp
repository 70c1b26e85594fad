// Fuzz entry for the parameter text of `tolvane-cli params set`: any bytes
// are read as control=value lines and applied to a Kavo dialog that has no
// printer, first as the check before anything is sent, then as the user
// would. Whatever the input, the dialog's parameter text must stay one
// control a line.
#include "mdlParaSetKavo.h"
#include "mdlParamsText.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane::params;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TParamsParse parsed = ParseParamsText(text);
    if (!parsed.ok) {
        return 0;
    }
    TParaSetKavo dialog({size % 2 == 0 ? "Ardel" : "Kavo-300", size % 2 == 0 ? "Ardel" : "Kavo-300"});
    dialog.GetVal = [](const std::string&) { return std::string(); };
    dialog.FormCreate();
    dialog.FormShow();
    ApplyParams(dialog, parsed.lines, true);
    ApplyParams(dialog, parsed.lines, false);
    const std::string shown = FormatParams(dialog);
    std::size_t lines = 0;
    for (const char c : shown) {
        lines += c == '\n' ? 1 : 0;
    }
    if (lines > 2 + dialog.ParameterControls().size()) {
        __builtin_trap(); // a value broke out of its line
    }
    return 0;
}
