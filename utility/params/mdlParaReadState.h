// What a parameter control holds after the printer was read: a value the
// printer reported (or the user gave), or nothing. A control is emptied
// before the read and filled only from a usable reply, so that "Set" never
// sends a dialog default in place of a value the printer did not report.
#pragma once

#include "mdlParaDialogModel.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

// Whether a control holds a value to write: a list or radio group with an
// entry selected, an edit with a text; a tick box always holds one.
bool HasValue(const TControl& control);
bool HasValue(const TFormModel& form, std::string_view name);

// Empties every parameter control of the dialog (no selection, no text).
void ClearParameterValues(TParaDialogModel& dialog);

// Read helpers: each fills the control from a reply when the reply is
// usable and leaves it empty otherwise; true when it was filled.
// A list entry equal to the reply (letter case aside).
bool ReadListEntry(TFormModel& form, std::string_view list, std::string_view reply);
// A code page entry whose code is the reply.
bool ReadCodePageEntry(TFormModel& form, std::string_view list, std::string_view reply);
// The position of the reply among the printer's words (a list or radio group).
bool ReadWordPosition(TFormModel& form, std::string_view control, std::string_view reply,
                      const std::vector<std::string>& words);
// An edit's text; a reply of blanks only is no value.
bool ReadEditText(TFormModel& form, std::string_view edit, const std::string& reply);
// A whole number within [low, high] into an edit; any other reply is no value.
bool ReadNumberText(TFormModel& form, std::string_view edit, const std::string& reply, long low, long high);
// A dotted address ("192.168.1.20") into its four fields `field`1 to
// `field`4: four numbers of 0 to 255, nothing more. Any other reply (none,
// fewer parts, an empty or foreign part) leaves all four fields empty, so
// that no address is ever half the printer's and half a default.
bool ReadAddressFields(TFormModel& form, const std::string& field, const std::string& reply);

// Whether any shown parameter control holds a value to write (a tick box,
// which always shows one, does not count): false after a read that gave
// nothing and no change of the user.
bool AnyValueToWrite(const TParaDialogModel& dialog);

// The parameter controls that are shown and hold no value, in the order
// of the dialog.
std::vector<std::string> UnreadControls(const TParaDialogModel& dialog);
// The caption a user knows a control by: its label, or a radio group's own
// caption; the address fields of one row share their row's label.
std::string ControlCaption(const TFormModel& form, const std::string& name);
// The status line text naming the controls that were not read; empty when
// every shown control holds a value.
std::string UnreadStatusText(const TParaDialogModel& dialog);

// A status line "StatusBarA" below the dialog's client area, hidden, for a
// dialog that shows it only to name what was not read. Added after the
// client size is set.
void AddUnreadStatusLine(TFormModel& form);
// Shows the line with UnreadStatusText (the dialog grows by its height), or
// hides it again when every shown control holds a value.
void ShowUnreadStatusLine(TParaDialogModel& dialog);

} // namespace tolvane::params
