// Registers the parameter windows with the main window's dialog registry,
// one opener per dialog class that exists without a window.
#pragma once

#include <memory>
#include <string>

class QWidget;

namespace tolvane {

class TFormView;

// The window of a parameter dialog class for the selected printer, created
// while the printer's port is open (the dialog reads the resolution when it
// is made); nullptr for a class without a dialog.
std::unique_ptr<TFormView> CreateParaDialogWindow(const std::string& className, QWidget* parent);

void RegisterParameterDialogs();

} // namespace tolvane
