// Every dialog window of the program, registered by class name with the
// main window in one call: the program and the tests that walk it open
// the same windows.
#pragma once

namespace tolvane {

void RegisterDialogWindows();

} // namespace tolvane
