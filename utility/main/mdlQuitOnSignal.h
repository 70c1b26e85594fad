// Ends the program's event loop on SIGINT, SIGTERM and SIGHUP, so that a
// program stopped from a terminal or a session manager still shuts down in
// order (the demo mode then stops its emulators and removes its folder).
#pragma once

namespace tolvane {

// Call once, after the application object exists.
void QuitOnSignals();

} // namespace tolvane
