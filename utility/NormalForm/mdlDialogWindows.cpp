#include "mdlDialogWindows.h"

#include "FormCommandTest.h"
#include "FormDLFile.h"
#include "FormDLFont.h"
#include "FormFirmware.h"
#include "FormPrinterInformation.h"
#include "FormPrinterStatus.h"
#include "mdlParaDialogViews.h"
#include "mdlPrintTextViews.h"

namespace tolvane {

void RegisterDialogWindows() {
    RegisterParameterDialogs();
    RegisterCommandTestWindow();
    RegisterPrinterStatusWindow();
    RegisterPrinterInformationWindow();
    RegisterFirmwareDialogs();
    RegisterPrintTextDialogs();
    RegisterFileDialogs();
    RegisterFontDialogs();
}

} // namespace tolvane
