#include "mdlPrinterLib_Call.h"

#include "mdlDevNewPrt.h"
#include "mdlErrorText.h"
#include "mdlMessages.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLibState.h"

#include <string>

namespace tolvane {
void ShowOpenPortError(int result) {
    MessageSink().ShowError(ErrorCodeText("_Err_OpenPort", result), LangText("_MSG_Title_Error"));
}

void ShowOpenPortErrorResultFirst(int result) {
    MessageSink().ShowError(ErrorCodeFirstText(result, "_Err_OpenPort"), LangText("_MSG_Title_Error"));
}

bool PrtLib_OpenForCommand(TPrtLib lib, int& result) {
    result = PrtLib_Open(lib, CurrentPortAddress());
    return result == 0 || result == kAlreadyOpenResult;
}

bool PrtLib_BeginCommand() {
    int result = 0;
    if (PrtLib_OpenForCommand(PrtLib_Current(), result)) {
        return true;
    }
    ShowOpenPortError(result);
    return false;
}

void PrtLib_EndCommand() {
    PrtLib_Close();
    PrtLib_Release();
}

bool PrtLib_BeginExchange() {
    TPrtLibState& state = PrtLibState();
    if (state.ExchangeOpen) {
        return true;
    }
    const int result = PrtLib_Open(CurrentPortAddress());
    if (result != 0) {
        ShowOpenPortError(result);
        return false;
    }
    state.ExchangeOpen = true;
    return true;
}

void PrtLib_EndExchange() {
    TPrtLibState& state = PrtLibState();
    if (state.ExchangeOpen) {
        PrtLib_Close();
        state.ExchangeOpen = false;
    }
}

bool PrtLib_ExchangeOpen() {
    return PrtLibState().ExchangeOpen;
}

void PrtLib_SetExchangeOpen(bool open) {
    PrtLibState().ExchangeOpen = open;
}

} // namespace tolvane
