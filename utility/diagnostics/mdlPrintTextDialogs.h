// The test-print dialogs by class name.
#pragma once

#include "mdlParaDialogModel.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::diagnostics {

// "T_frmPrintTextLabel", "T_frmPrintTextLabelCpclMirobt", "T_frmPrintText".
const std::vector<std::string>& PrintTextDialogClasses();

// The dialog of a class for a printer; the label dialogs get the model's
// widest printable width in millimetres. nullptr for another class.
std::unique_ptr<params::TParaDialogModel> CreatePrintTextDialog(const std::string& className,
                                                                params::TParaDialogContext context,
                                                                const std::string& maxWidthMm);

} // namespace tolvane::diagnostics
