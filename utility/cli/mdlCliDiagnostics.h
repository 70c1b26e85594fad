// tolvane-cli's diagnostic commands (send, read, status, info): the
// command test, printer status and printer information dialogs driven
// without a window, their results printed.
#pragma once

#include "mdlCliOptions.h"
#include "mdlCliRun.h"
#include "mdlCliSink.h"

#include <functional>

namespace tolvane::cli {

// Runs a diagnostic command; `select` selects the printer of the command
// line (kExitDone when it did). The exit status.
int RunDiagnosticCommand(const TCliOptions& options, TCliStreams streams, TCliSink& sink,
                         const std::function<int()>& select);

} // namespace tolvane::cli
