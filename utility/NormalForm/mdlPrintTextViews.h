// Registers the test-print and scan-test windows with the main window's
// dialog registry.
#pragma once

#include <memory>
#include <string>

class QWidget;

namespace tolvane {

class TFormView;

// The window of a test-print class ("T_frmPrintTextLabel",
// "T_frmPrintTextLabelCpclMirobt", "T_frmPrintText") or of "T_frmScanTest"
// for the selected printer; nullptr for another class. The label windows
// get the model's default paper width as their widest printable width.
std::unique_ptr<TFormView> CreatePrintTextWindow(const std::string& className, QWidget* parent);

void RegisterPrintTextDialogs();

} // namespace tolvane
