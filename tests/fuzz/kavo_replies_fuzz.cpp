// Fuzz entry for the reply handling of the Kavo dialog's read: every
// getval is answered with the next piece of the input (pieces end at a
// zero byte, the way a reply ends), and the whole read runs as it does
// against a printer. The parameter text and the parameter file of the
// result must stay one control a line.
#include "mdlParaFile.h"
#include "mdlParaSetKavo.h"
#include "mdlParamsText.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tolvane::params;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first byte picks the printer: the Ardel's print area, the release
    // paper of a Kavo-300, or a plain Kavo.
    const char* names[] = {"Ardel", "Kavo-300", "Kavo"};
    const char* name = names[size > 0 ? data[0] % 3 : 2];
    if (!input.empty()) {
        input.remove_prefix(1);
    }
    TParaSetKavo dialog({name, name});
    dialog.GetVal = [&input](const std::string&) {
        const std::size_t end = input.find('\0');
        // A reply is at most 512 bytes, as one read of the port gives.
        std::string reply(input.substr(0, std::min<std::size_t>(end, 512)));
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        return reply;
    };
    dialog.FormCreate();
    dialog.FormShow();
    dialog.ReadParameters();
    dialog.cmbProtocolChange();
    const auto lines = [](const std::string& text) {
        std::size_t count = 0;
        for (const char c : text) {
            count += c == '\n' ? 1 : 0;
        }
        return count;
    };
    if (lines(FormatParams(dialog)) > 2 + dialog.ParameterControls().size() ||
        lines(ParaFileText(dialog.Form(), TParaSetKavo::ParaFileKeys())) !=
            1 + TParaSetKavo::ParaFileKeys().size()) {
        __builtin_trap(); // a reply broke out of its line
    }
    return 0;
}
