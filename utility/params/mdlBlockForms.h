// The windows of the parameter-block families as data: which controls a
// family shows (the controls of its layout), in which group, with which
// caption and list entries (by language key), the input ranges of its
// number fields, and the placement of the groups in two columns.
#pragma once

#include "mdlBlockFamilies.h"
#include "mdlFormModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

// Design sizes in pixels.
inline constexpr int kBlockColumnWidth = 324;
inline constexpr int kBlockMargin = 8;
inline constexpr int kBlockGroupSpacing = 6;
inline constexpr int kBlockRowHeight = 24;
inline constexpr int kBlockButtonHeight = 30;

// Creates the family's controls: groups, labels, inputs, the buttons. Lists
// that do not depend on the language get their entries here.
void BuildBlockForm(TBlockFamily family, TFormModel& form);

// Captions, radio items and the language-dependent list entries from the
// language file.
void ApplyBlockTexts(TBlockFamily family, TFormModel& form);

// Places the visible groups and radio groups top-down in two columns (a
// hidden group takes no room), the buttons below them, and sizes the window.
// Not for the Sendo family, whose rows are laid out one below the other.
void LayoutBlockForm(TFormModel& form);

// Places the rows of one group inside it and gives the group its height.
void LayoutBlockGroup(TFormModel& form, const std::string& group, int left, int top);

// The range of a number field on leaving it (the voltage in tenths of a
// volt); nothing for fields without one.
struct TBlockRange {
    long low;
    long high;
};
std::optional<TBlockRange> BlockInputRange(TBlockFamily family, std::string_view control);

// The label that names an input control ("lblDensity" for "cmbDensity");
// empty for controls that carry their own caption.
std::string BlockLabelOf(std::string_view control);

} // namespace tolvane::params
