// What the firmware dialogs share: the host loop that runs a dialog's
// timers where there is no window.
#pragma once

#include "mdlParaDialogModel.h"


namespace tolvane::firmware {

// Runs the dialog's timers as a window would, one tick after another,
// until none is running. Returns the number of ticks run.
long RunTimersUntilIdle(params::TParaDialogModel& dialog);

} // namespace tolvane::firmware
