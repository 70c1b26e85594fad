// The firmware update of the selected printer without widgets: the
// printer's answer on its update method, the dialog that follows the
// method choice, putting the printer into update mode and starting the
// external updater. The main window and tolvane-cli share these steps.
#pragma once

#include "mdlPrinterFacts.h"

#include <optional>
#include <string>

namespace tolvane {

// The update methods of the choice: by the external updater, or by OTA packets.
inline constexpr const char* kMethodDfu = "DFU 01";
inline constexpr const char* kMethodBin = "BIN 01";

// The method the printer's "update_method" answer preselects: "DFU" gives
// "DFU 01", "BIN" gives "BIN 01" (either case); anything else none (empty).
std::string PreselectedUpdateMethod(const std::string& answer);

// The printer's "update_method" answer, read through Tsprix with a 200 ms
// wait. `openResult` receives the open's result; anything but 0 and 5
// means nothing was asked (the answer is then empty).
std::string ReadUpdateMethodAnswer(int& openResult);

// The dialog once the update method is the external updater's: the
// sectioned-file dialog or the OTA dialog by the catalogue, the OTA dialog
// for the models with a choice whose USB identity is the newer one; none
// when the printer is to be put into update mode for the external updater.
std::optional<std::string> FirmwareDialogAfterMethod(const TPrinterFacts& facts);

// Puts the printer into update mode by its model's rule (nothing is sent
// for the models that need no command) through Tsprix.
struct TUpdateModeResult {
    int openResult = 0;       // anything but 0 and 5: nothing was sent
    bool writeFailed = false; // the command could not be written
    bool Ok() const { return (openResult == 0 || openResult == 5) && !writeFailed; }
};
TUpdateModeResult EnterUpdateMode(const TPrinterFacts& facts);

// The external updater: "FWUpdate/Brakwell" in the program's folder.
std::string ExternalUpdaterPath();

// Why a program cannot be started (missing, not a file, not executable);
// empty when it can.
std::string ProgramProblem(const std::string& program);

// Starts a program detached from this process (its own session, its own
// folder as working folder; nothing is waited for). Empty on success, else
// why it could not start.
std::string StartDetached(const std::string& program);

} // namespace tolvane
