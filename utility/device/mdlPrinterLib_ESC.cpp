#include "mdlPrinterLib_ESC.h"

#include "mdlPrinterLib.h"
#include "mdlPrinterLibState.h"
#include "mdlUtf16.h"

namespace tolvane {

int PrtLib_OpenDirect(TPrtLib lib, const std::string& address) {
    const PrinterHandle handle = HandleSlot(lib);
    const TPrtLibEntries* entries = PrtLib_Entries(lib);
    if (handle == nullptr || entries == nullptr) {
        return KeepResult(kNoHandleResult);
    }
    return KeepResult(entries->PortOpen(handle, Utf8ToUtf16(address).c_str()));
}

} // namespace tolvane
