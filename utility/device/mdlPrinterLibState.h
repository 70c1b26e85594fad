// The facade's program-wide state, shared by the facade's units.
#pragma once

#include "mdlPrinterLibLoad.h"

#include <array>

namespace tolvane {

struct TPrtLibState {
    // One printer handle per library, indexed by TPrtLib; null until created.
    std::array<PrinterHandle, kPrtLibCount> Handles{};
    // Set while a serial port opened through Tsprix is kept open.
    bool SerialKeepOpen = false;
    // Set by the long-exchange open, cleared by the long-exchange close.
    bool ExchangeOpen = false;
    // The result of the last facade call.
    int LastResult = 0;
};

TPrtLibState& PrtLibState();

// The handle slot of a library.
inline PrinterHandle& HandleSlot(TPrtLib lib) {
    return PrtLibState().Handles[static_cast<size_t>(lib)];
}

// Records a result as the last result and returns it.
inline int KeepResult(int result) {
    PrtLibState().LastResult = result;
    return result;
}

} // namespace tolvane
