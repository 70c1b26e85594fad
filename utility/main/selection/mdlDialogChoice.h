// Which window or exchange a function button of the main window leads to,
// decided from the facts of the selected printer: the firmware update
// method, the test-print dialog and the front sensor learning.
#pragma once

#include "mdlPrinterFacts.h"

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// The firmware update: the dialog to open ("TfrmDownFirmwareSelType" for
// the editions with the update-method feature, unless the model is excepted;
// "TfrmGDL" and "TfrmDFU_Quistel" by the catalogue; "TfrmDFU_Quistel" for the
// models with a choice whose USB identity is the newer one), or none: the
// printer is sent the update-mode command and the external updater starts.
std::optional<std::string> FirmwareUpdateDialog(const TPrinterFacts& facts);

// The test-print dialog: 1 with the edition's first-form feature (unless the
// list name is excepted), else 2 for TSPL, else 3.
int PrintTextChoice(const TPrinterFacts& facts);
// The dialog class of a test-print choice 1 to 3 ("" for any other number).
std::string_view PrintTextDialog(int choice);

// Whether the front sensor learning asks before it starts (not for the
// models and names that never ask, nor with the no-confirmation permission).
bool FrontLearnAsks(const TPrinterFacts& facts);

enum class TFrontLearnExchange {
    FrontAdRead,   // getval "front_ad"
    SendFrontRead, // SendFront, then a read with an empty key
};
// The exchange that starts the front sensor learning; the USB identity is
// asked only for the models whose exchange depends on it.
TFrontLearnExchange FrontLearnExchange(const TPrinterFacts& facts);

} // namespace tolvane
