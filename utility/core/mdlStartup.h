// The program's start-up and shut-down, as steps the program and its main
// window call in this order (hooks of the other units: mdlCoreHooks.h):
//
//   main():
//     StartupInitModules();            module initialisation, flavour number 2
//     QApplication app(argc, argv);    the application object
//     InstallWidgetServices();         Qt message boxes (main/gui/mdlQtMessageSink.h)
//     StartupDecideAndCreate(args);    modes and roles, work folder, feature
//                                      objects, the four global state objects
//     create the main window           -> its constructor calls
//                                         MainWindowCreateSteps(args)
//     create the windows that live for the whole run
//     show the main window             -> on its first show:
//         FirstShowPrepare()           steps up to the text table
//         apply texts (LoadSharedWords, LoadSharedLangFont), build pages
//         FirstShowHandToSelvanic()    debug and identity settings
//         load the printer list
//         FirstShowApplyFont(window)   (main/gui/mdlLangFontApply.h), which
//                                      ends with FirstShowKeepFont()
//         FirstShowApplySavedLanguage(choice)
//         FirstShowPrinterMapCheck()
//     app.exec();
//     AfterMessageLoop();              feature objects freed, log lock deleted
//     destroy the windows              -> the main window's destructor calls
//                                         MainWindowDestroySteps()
//
// Programs and tests without a window run the same steps minus the widgets
// through the headless session (main/selection/mdlHeadlessSession.h).
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class TLanguageChoice;

// Process start, before the application object: the units' module
// initialisation (model lists, device defaults, image subsystem, USB
// notifier), the language lookup for the lower layers, and the numeric tool
// flavour 2 (Label).
void StartupInitModules();

// Process start, with the application object: the log lock is created, the
// modes and roles are decided (the debug prompts need a message box), the
// edition file is read, the per-printer work folder is created, the feature objects and then
// TConstVar, TConstLangV, TGlobalVar and TOstrelVar are created.
void StartupDecideAndCreate(const std::vector<std::string>& args);

// The main window's creation handler, after it made its own lists: the
// factory switch, the log lock (if missing), two log lines, the helper
// libraries bound and initialised, the language switch of argument 1, and
// "1028" in debug mode.
void MainWindowCreateSteps(const std::vector<std::string>& args);

// What the main window shows from the first-show steps.
struct TFirstShowResult {
    std::string IconPath;          // AppFolder + "icons/icon.ico"
    std::string ProtocolFieldText; // for txtProtocolType: protocol word + ",InitProtocolType"
};

// First show, up to the text table: file names, options, language
// detection, feature lists, language constants, the language helper's
// language and file, the edition and its saved language, the company
// printer list, ProtocolKind 1, protocol model lists, the text table and the
// edition's catalogue check.
TFirstShowResult FirstShowPrepare();

// First show, after the window applied its texts and built its pages: hands
// the debug flag, log folder and file, ToolType and OemCo to the command
// helper library and asks it to get ready.
void FirstShowHandToSelvanic();

// First show, when the font is applied: the shared font values are kept in
// TOstrelVar.
void FirstShowKeepFont();

// First show, after the font was applied: the saved language is selected
// without change handling and applied when the choice offers it. True when
// a language was applied.
bool FirstShowApplySavedLanguage(TLanguageChoice& choice);

// First show, last step: when "PrinterMap.ini" maps any model to "Gulvo",
// checks that a TSPL printer object can be created (and destroys it again);
// a failure is shown as "TSPL ERR(CRT ERR)(ERRNO:20200628_101601)".
void FirstShowPrinterMapCheck();

// The answer of the command helper library's readiness query at first show.
bool SelvanicAppIsReady();

// After the message loop: the feature objects are freed and the log lock
// deleted.
void AfterMessageLoop();

// The main window's destruction handler: the global state objects freed in
// reverse order, the helper libraries uninitialised and freed, the log lock
// deleted.
void MainWindowDestroySteps();

} // namespace tolvane
