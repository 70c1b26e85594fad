// The wrappers that put the selected printer's port open and closed around a
// single command or a long exchange.
#pragma once

#include "mdlPrinterLibLoad.h"

namespace tolvane {

// Opens the selected printer's port (PrtLib_Open with the current port
// address); 0 and 5 count as success. Any other result shows the error box
// "_Err_OpenPort" ":" result, titled "_MSG_Title_Error", and gives false.
bool PrtLib_BeginCommand();

// Opens the selected printer's port through `lib` as a one-shot command
// does, without a message: true for 0 and 5; `result` receives the result.
bool PrtLib_OpenForCommand(TPrtLib lib, int& result);

// PrtLib_Close, then PrtLib_Release.
void PrtLib_EndCommand();

// Opens for a long exchange: true at once while an exchange is open;
// otherwise only 0 counts as success (same error box otherwise). The
// exchange flag is set when the port was opened.
bool PrtLib_BeginExchange();

// Closes the port of an open exchange and clears the flag; nothing otherwise.
void PrtLib_EndExchange();

// Whether a long exchange is open; dialogs that open the port for an
// exchange themselves set and clear the flag directly.
bool PrtLib_ExchangeOpen();
void PrtLib_SetExchangeOpen(bool open);

// The error boxes of a failed open: "_Err_OpenPort:<result>", and the form
// "<result>:_Err_OpenPort" of the parameter-block and firmware checks.
void ShowOpenPortError(int result);
void ShowOpenPortErrorResultFirst(int result);

} // namespace tolvane
