// A session of the program without a window, for programs and tests that
// work on printers without widgets (the command line, the dialog layer's
// tests). It leaves the program in the state the main window reaches after
// its first show: language, texts, catalogue, edition, helper libraries.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// Runs the start-up and first-show steps of the program and its main window
// minus everything that needs widgets: the catalogue hooks, the module
// initialisation, the modes and global objects, the window's creation steps
// (log, helper libraries, language switch of args[1]), FirstShowPrepare, the
// shared words and font, the hand-over to the command helper library and
// the saved language. args are the program's (args[0] the program path).
// The SDK libraries are bound by the caller (PrtLib_LoadLibraries); no
// printer list is read and no printer selected (SelectPrinter).
void StartHeadlessSession(const std::vector<std::string>& args);

// The program's shut-down steps (AfterMessageLoop, MainWindowDestroySteps);
// does nothing unless a session was started and not yet ended.
void EndHeadlessSession();

} // namespace tolvane
