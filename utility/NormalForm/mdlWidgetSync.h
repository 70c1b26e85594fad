// Shows a control of a form model in the widget made for it: caption or
// text, entries and selection, table rows, progress, visibility and
// enabling. Shared by the windows that lay out their widgets themselves.
#pragma once

#include "mdlFormModel.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <string>

namespace tolvane {

// How an entry of a list box is shown (by default as it is).
using TEntryText = std::function<QString(const std::string&)>;

void SyncWidget(QWidget& widget, const params::TControl& control, const TEntryText& entryText = {});

// Fixes a filled window at the size its contents ask for once shown, so
// that controls appearing later (progress, the memory line, a list read)
// neither grow it nor move its buttons under the user's pointer.
void KeepOpeningSize(QWidget& window);

} // namespace tolvane
