// Parameter files: an INI file with one section "params" whose keys are
// control names; lists and radio groups store their selected position,
// edits their text. Positions are stored, not values, so a file is only
// meaningful for a dialog whose lists had the same entries when it was saved.
#pragma once

#include "mdlFormModel.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tolvane::params {

// The longest file name (without folder) a parameter file may have.
inline constexpr int kParaFileNameMax = 32;

// The error text for a chosen path whose name (without folder, trimmed) is
// longer than 32 characters or holds a space; nothing when the name is fine.
std::optional<std::string> ParaFileNameError(const std::string& path);

// The file's text for the controls named by `keys`, in that order.
std::string ParaFileText(const TFormModel& form, const std::vector<std::string>& keys);
// Writes the file atomically. False when it could not be written.
bool SaveParaFile(const std::string& path, const TFormModel& form, const std::vector<std::string>& keys);

struct TParaFileLoad {
    bool ok = true;
    std::string badKey; // the first key whose value could not be taken
};
// Sets each control of `keys` in order from the file. A key the file lacks
// leaves its control alone. A position that is not a number or not a
// position of the list, or a text that `acceptsText` refuses, ends the load
// at that key; the controls set before it keep their new values.
TParaFileLoad
LoadParaFile(const std::string& path, TFormModel& form, const std::vector<std::string>& keys,
             const std::function<bool(const std::string& edit, const std::string& text)>& acceptsText);

} // namespace tolvane::params
