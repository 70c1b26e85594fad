#include "mdlFirmwareDialog.h"

#include "mdlParaHelpers.h"

namespace tolvane::firmware {

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
