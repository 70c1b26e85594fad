// The main window's function buttons: which are shown for the selected
// printer, and where the visible ones go in the two-column grid.
#pragma once

#include "mdlPrinterFacts.h"

#include <vector>

namespace tolvane {

// The function buttons, in grid order (the system options page button
// stands between print configuration and automatic learning in the design
// order but is not a grid button).
enum class TFuncButton {
    PrinterInformation, // btnPrinterInformation
    PrintText,          // btnPrintText
    PrintConfigInfo,    // btnPrintConfigInfo
    StartLearn,         // btnStartLearn
    FrontLearn,         // btnFrontLearn
    ParameterSetting,   // btnParameterSetting
    FactorySetting,     // btnFactorySetting
    FileManagement,     // Button2
    ModelTest,          // btnModelTest
    UserFont,           // Button3
    Font,               // Button1
    CommandTest,        // btnCommandTest
    PrinterStatus,      // Button4
    ScanTest,           // btnScanTest
    AdvancedSettings,   // btnAdvancedSettings
    RfidSet,            // btnRfidSet
};

// Every function button in grid order with its control name.
struct TFuncButtonName {
    TFuncButton button;
    const char* objectName;
};
const std::vector<TFuncButtonName>& FuncButtonNames();

// The visible function buttons, in grid order.
std::vector<TFuncButton> VisibleFuncButtons(const TPrinterFacts& facts);

// Whether the printer information is known to be refused before the
// printer is asked: ESC printers have no information queries, and a model
// whose language the catalogue gives as ESC never gets the button. A model
// whose language is asked from the printer keeps it and learns the refusal
// after the detection.
bool InformationRefused(const TPrinterFacts& facts);

// Whether the system options page button is shown for the printer.
bool SysParaButtonVisible(const TPrinterFacts& facts);

// Grid numbers: the n-th visible button (from 0) sits at
// top = (n div 2) * (buttonHeight + 19) + 25 and left = 33 (even n) or
// 33 * 2 + buttonWidth (odd n).
struct TGridPlace {
    int left;
    int top;
};
TGridPlace GridPlace(int n, int buttonWidth, int buttonHeight);
// Rows the visible buttons fill: visible / 2, rounded up.
int GridRows(int visibleCount);
// Height of the function group: rows * (buttonHeight + 19) + 30.
int GroupHeight(int rows, int buttonHeight);
// Window height: group top + rows * (buttonHeight + 19) + quit height + 80.
int WindowHeight(int groupTop, int rows, int buttonHeight, int quitHeight);

} // namespace tolvane
