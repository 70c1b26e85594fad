// A dialog's controls as a table: name, kind, parent and design position.
#pragma once

#include "mdlFormModel.h"

#include <span>

namespace tolvane::params {

struct TLayoutEntry {
    const char* name;
    TControlKind kind;
    const char* parent;
    int left, top, width, height;
};

// Adds every control of the table in order.
inline void AddLayout(TFormModel& form, std::span<const TLayoutEntry> entries) {
    for (const TLayoutEntry& entry : entries) {
        TControl& control = form.Add(entry.name, entry.kind, entry.parent);
        control.left = entry.left;
        control.top = entry.top;
        control.width = entry.width;
        control.height = entry.height;
    }
}

// The four fields of an address row ("txtIP1" to "txtIP4"), three digits each.
inline void AddAddressRow(TFormModel& form, const std::string& prefix, const char* parent, int left,
                          int top) {
    for (int n = 1; n <= 4; ++n) {
        TControl& field = form.Add(prefix + std::to_string(n), TControlKind::Edit, parent);
        field.left = left + (n - 1) * 56;
        field.top = top;
        field.width = 48;
        field.height = 24;
        field.maxLength = 3;
    }
}

} // namespace tolvane::params
