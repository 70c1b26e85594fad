// The identity of the selected printer, set by the main window whenever a
// printer is selected and read by every dialog.
#pragma once

#include <string>

namespace tolvane {

struct TPrinterIdentity {
    std::string ListName;     // the printer list name
    std::string Model;        // the resolved model
    std::string MapModel;     // the model whose command behaviour the device layer uses
    std::string PortAddress;  // comma-form address
    std::string IdentityText; // the identity found by the last USB identity check
};

TPrinterIdentity& PrinterIdentity();

} // namespace tolvane
