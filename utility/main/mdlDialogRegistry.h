// The dialogs the main window opens, by class name. A dialog unit registers
// how to show its dialog modally; a class without a registration is
// reported to the user by its name.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tolvane {

// Creates the dialog for one use, shows it modally over parent and frees it.
using TDialogOpener = std::function<void(QWidget* parent)>;

void RegisterDialog(const std::string& className, TDialogOpener opener);
// The opener of a class; empty when none is registered.
TDialogOpener FindDialog(const std::string& className);
void ClearDialogRegistry();

// The firmware update-method choice: shown modally over parent with the
// code preselected (none when empty) and, with `lock`, unchangeable. The
// chosen code, or none when the user cancelled.
using TMethodChooser =
    std::function<std::optional<std::string>(QWidget* parent, const std::string& code, bool lock)>;
void RegisterMethodChooser(TMethodChooser chooser);
// The registered chooser; empty when none is.
TMethodChooser FindMethodChooser();

} // namespace tolvane
