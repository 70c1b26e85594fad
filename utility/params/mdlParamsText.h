// The portable parameter text of the command line: `params get` prints a
// dialog's parameter controls as INI text, `params set` applies such a text
// to a dialog. Lists are written as the selected entry's text, radio groups
// as the selected item's position, edits as their text and tick boxes as 0
// or 1.
#pragma once

#include "mdlParaDialogModel.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

// The largest parameter text accepted.
inline constexpr std::size_t kParamsTextMaxBytes = 1024 * 1024;

struct TParamsLine {
    int line = 0; // 1-based line number in the text
    std::string control;
    std::string value;
};

struct TParamsParse {
    bool ok = true;
    std::string error; // the message for the user when not ok
    std::vector<TParamsLine> lines;
};

// Reads "control=value" lines. Blank lines, comment lines (";" or "#") and
// section headers ("[params]") are skipped; spaces around the control name
// and the value are removed. A line without "=" or with an empty control
// name, a NUL byte, or a text larger than kParamsTextMaxBytes is an error.
// A control named twice is applied twice: the later line counts.
TParamsParse ParseParamsText(std::string_view text);

// The value of a control as `params get` writes it. Control characters
// (which an INI line cannot hold) are left out.
std::string ParamsValue(const TControl& control);

// "; printer: NAME  model: MODEL  dialog: CLASS", "[params]", then one
// "control=value" line per visible and enabled parameter control, in the
// order the read fills them.
std::string FormatParams(const TParaDialogModel& dialog);

struct TParamsApply {
    bool ok = true;
    std::string error;      // the message naming the line, when not ok
    bool mayChange = false; // the failure may go away when later lines are applied
};

// Applies the lines to a dialog as a user would: lists select the entry
// whose text equals the value exactly, radio groups take the position, edits
// take the text (every character through the field's key filter, within its
// maximum length) and then run the field's exit check, tick boxes take 0 or
// 1; a list or radio group whose selection changed runs its change handler.
// The lines are applied twice in order, so a value that a later line's
// change handler reset (a list refilled) is set again, and a value for a
// list or field that a later line prepares (its entries, its enabled state)
// is taken in the second pass.
// `offline`: the dialog has not read the printer; lists are checked against
// every entry they can show and visibility is not checked, and nothing is
// changed.
TParamsApply ApplyParams(TParaDialogModel& dialog, const std::vector<TParamsLine>& lines, bool offline);

} // namespace tolvane::params
