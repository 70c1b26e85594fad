// The firmware windows: TfrmDownFirmwareSelType (the update-method
// choice), TfrmDFU_Quistel (OTA packets) and TfrmGDL (sectioned files),
// thin views of the firmware dialogs (utility/firmware), registered with
// the main window.
#pragma once

#include "mdlFormView.h"

#include <optional>
#include <string>

namespace tolvane {

// Shows the update-method choice modally; the chosen code, or none.
std::optional<std::string> ChooseFirmwareMethod(QWidget* parent, const std::string& code, bool lock);

// The OTA and sectioned-file windows for the selected printer.
std::unique_ptr<TFormView> CreateFirmwareWindow(const std::string& className, QWidget* parent);

// Registers the firmware windows and the method choice with the main window.
void RegisterFirmwareDialogs();

} // namespace tolvane
