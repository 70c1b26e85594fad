// What the firmware dialogs share: the dialog base without a parameter
// read or write, the language texts with numbered place holders, and the
// host loop that runs a dialog's timers where there is no window.
#pragma once

#include "mdlParaDialogModel.h"

#include <string>
#include <vector>

namespace tolvane::firmware {

// A dialog of the firmware family: no parameters to read or write. Each
// makes its controls when it is made (FormCreate, which a window's later
// call leaves alone), so that a window finds every control it builds.
class TFirmwareDialogModel : public params::TParaDialogModel {
  public:
    using params::TParaDialogModel::TParaDialogModel;
    void StartRead() override {}
    void btnSetClick() override {}
    std::vector<std::string> ParameterControls() const override { return {}; }
};

// Runs the dialog's timers as a window would, one tick after another,
// until none is running. Returns the number of ticks run.
long RunTimersUntilIdle(params::TParaDialogModel& dialog);

} // namespace tolvane::firmware
