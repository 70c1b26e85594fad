// The program-wide values every part of the utility reads: the tool flavour,
// the edition code, the interface language and the command line. One
// instance for the whole run. (The current command language, ProtocolKind,
// belongs to the printer-library facade.)
#pragma once

#include <string>
#include <vector>

namespace tolvane {

// The numeric tool flavour, fixed before anything else runs.
inline constexpr int kToolTypeNoMobile = 1;
inline constexpr int kToolTypeNoLabel = 2;

struct TGlobals {
    int ToolTypeNo = 0;       // 2 Label, 1 Mobile
    std::string ToolType;     // "Label" or "Mobile", from the option file
    std::string OemCo;        // edition code, from the option file
    std::string LanguageId;   // decimal Windows language id, such as "2052"
    std::string LanguageName; // display name of that language
    // The command line as given, the program path first.
    std::vector<std::string> Args;

    // File names fixed when the main window is first shown; the program always
    // uses the Label names whatever the flavour.
    std::string LanguageFileName;       // in FilesFolder
    std::string CatalogueFileName;      // in FilesFolder
    std::string PrinterMapPath;         // full path
    std::string ProtocolFileName;       // in FilesFolder
    std::string CompanyPrinterListName; // in FilesFolder
    std::string ScratchBitmapPath;      // full path
};

TGlobals& Globals();
// Back to the values before start-up (the end of a run; tests start afresh).
void ResetGlobals();

// Command-line argument n (0 is the program path); empty when absent.
std::string Argument(std::size_t n);

} // namespace tolvane
