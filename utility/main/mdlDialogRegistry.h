// The dialogs the main window opens, by class name. A dialog unit registers
// how to show its dialog modally; a class without a registration is
// reported to the user by its name.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace tolvane {

// Creates the dialog for one use, shows it modally over parent and frees it.
using TDialogOpener = std::function<void(QWidget* parent)>;

void RegisterDialog(const std::string& className, TDialogOpener opener);
// The opener of a class; empty when none is registered.
TDialogOpener FindDialog(const std::string& className);
void ClearDialogRegistry();

} // namespace tolvane
