// tolvane: the label printer service utility.
//
//   tolvane [-CN|-EN|-TW|...] [-Factory] [role switches]
//   tolvane --demo ...      talks to printer emulators instead of printers
//   tolvane --edition CODE  runs as the edition CODE (docs/EDITIONS.md)
//   tolvane --version       prints the version and exits
//   tolvane --help          prints the switches and exits
#include "FormMain_Label.h"
#include "gui/mdlQtMessageSink.h"
#include "gui/mdlUsbWatch.h"
#include "mdlCatalogueHooks.h"
#include "mdlDemoMode.h"
#include "mdlDialogWindows.h"
#include "mdlEditionSwitch.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlPrinterLibLoad.h"
#include "mdlQuitOnSignal.h"
#include "mdlStartup.h"
#include "mdlUsage.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <iostream>

int main(int argc, char** argv) {
    using namespace tolvane;
    std::vector<std::string> args(argv, argv + argc);
    // Answered before Qt starts, so that they work without a display.
    if (const auto code = AnswerInformationSwitches(args, TOLVANE_VERSION, std::cout)) {
        return *code;
    }
    if (!DisplayAvailable()) {
        std::cerr << "tolvane: no display to open the windows on (DISPLAY and WAYLAND_DISPLAY are not set);\n"
                     "use tolvane-cli for the same functions on a terminal, or tolvane --help\n";
        return 1;
    }
    const bool demo = TakeDemoSwitch(args);
    if (std::string error; !TakeEditionSwitch(args, error)) {
        std::cerr << error << '\n';
        return 2;
    }

    InstallCatalogueHooks();
    InstallUsbHooks();
    StartupInitModules();
    QApplication app(argc, argv);
    QApplication::setApplicationName("tolvane");
    QApplication::setDesktopFileName("tolvane");
    InstallWidgetServices();
    RegisterDialogWindows();
    QuitOnSignals();

    std::string libraryError;
    const bool librariesBound = PrtLib_LoadLibraries(libraryError);
    TDemoMode demoMode;
    std::string demoError;
    if (demo && !demoMode.Start(ProgramFolder(), demoError)) {
        ShowErrorBox("--demo: " + demoError);
        return 1;
    }

    StartupDecideAndCreate(args);
    int code = 0;
    {
        T_frmMain_Label window(args);
        window.show();
        if (!librariesBound) {
            // Shown once the window has loaded its texts.
            QTimer::singleShot(0, &window, [libraryError] {
                ShowErrorBox(LangText("_Err_LoadLibrary") + ":\n" + libraryError);
            });
        }
        code = QApplication::exec();
        AfterMessageLoop();
    }
    PrtLib_UnloadLibraries();
    return code;
}
