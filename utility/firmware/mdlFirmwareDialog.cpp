#include "mdlFirmwareDialog.h"

#include "mdlParaHelpers.h"

namespace tolvane::firmware {

std::string TxtNumbered(const std::string& key, const std::vector<std::string>& values) {
    std::string text = params::Txt(key);
    for (std::size_t n = 0; n < values.size(); ++n) {
        const std::string holder = "{" + std::to_string(n + 1) + "}";
        for (std::size_t at = text.find(holder); at != std::string::npos;
             at = text.find(holder, at + values[n].size())) {
            text.replace(at, holder.size(), values[n]);
        }
    }
    return text;
}

long RunTimersUntilIdle(params::TParaDialogModel& dialog) {
    long ticks = 0;
    for (;;) {
        std::string running;
        for (const auto& [name, timer] : dialog.Timers()) {
            if (timer.enabled) {
                running = name;
                break;
            }
        }
        if (running.empty()) {
            return ticks;
        }
        ++ticks;
        dialog.Tick(running);
    }
}

} // namespace tolvane::firmware
