#include "mdlFormModel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tolvane::params {

std::string TControl::SelectedText() const {
    if (index < 0 || index >= static_cast<int>(items.size())) {
        return {};
    }
    return items[static_cast<std::size_t>(index)];
}

TControl& TFormModel::Add(std::string name, TControlKind kind, std::string parent) {
    if (TControl* existing = Find(name)) {
        return *existing;
    }
    auto control = std::make_unique<TControl>();
    control->name = std::move(name);
    control->kind = kind;
    control->parent = std::move(parent);
    controls_.push_back(std::move(control));
    return *controls_.back();
}

TControl* TFormModel::Find(std::string_view name) {
    for (const auto& control : controls_) {
        if (control->name == name) {
            return control.get();
        }
    }
    return nullptr;
}

const TControl* TFormModel::Find(std::string_view name) const {
    return const_cast<TFormModel*>(this)->Find(name);
}

TControl& TFormModel::operator[](std::string_view name) {
    if (TControl* control = Find(name)) {
        return *control;
    }
    std::fprintf(stderr, "form model: no control named %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

const TControl& TFormModel::operator[](std::string_view name) const {
    return const_cast<TFormModel&>(*this)[name];
}

std::vector<const TControl*> TFormModel::Controls() const {
    std::vector<const TControl*> all;
    all.reserve(controls_.size());
    for (const auto& control : controls_) {
        all.push_back(control.get());
    }
    return all;
}

bool TFormModel::EffectivelyVisible(std::string_view name) const {
    // Parents are added before their children, so the chain is short and
    // ends; the depth bound guards against a parent naming itself.
    const TControl* control = Find(name);
    for (int depth = 0; control != nullptr && depth < 16; ++depth) {
        if (!control->visible) {
            return false;
        }
        if (control->parent.empty()) {
            return true;
        }
        control = Find(control->parent);
    }
    return false;
}

bool TFormModel::EffectivelyEnabled(std::string_view name) const {
    const TControl* control = Find(name);
    for (int depth = 0; control != nullptr && depth < 16; ++depth) {
        if (!control->enabled) {
            return false;
        }
        if (control->parent.empty()) {
            return true;
        }
        control = Find(control->parent);
    }
    return false;
}

void TFormModel::Changed(const std::string& name) {
    if (OnChanged) {
        OnChanged(name);
    }
}

void TFormModel::SetText(std::string_view name, std::string text) {
    TControl& control = (*this)[name];
    control.text = std::move(text);
    Changed(control.name);
}

void TFormModel::SetItems(std::string_view name, std::vector<std::string> items, int index) {
    TControl& control = (*this)[name];
    control.items = std::move(items);
    control.index = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
    Changed(control.name);
}

void TFormModel::AddItem(std::string_view name, std::string item) {
    TControl& control = (*this)[name];
    control.items.push_back(std::move(item));
    Changed(control.name);
}

void TFormModel::SetIndex(std::string_view name, int index) {
    TControl& control = (*this)[name];
    if (control.kind == TControlKind::Check) {
        control.index = index != 0 ? 1 : 0;
    } else if (control.kind == TControlKind::Pages) {
        // A page control's index counts its pages.
        const auto pages = std::count_if(controls_.begin(), controls_.end(), [&](const auto& child) {
            return child->kind == TControlKind::Page && child->parent == control.name;
        });
        control.index = index >= 0 && index < pages ? index : -1;
    } else if (control.kind == TControlKind::Table) {
        // A table's index counts its rows.
        control.index = index >= 0 && index < static_cast<int>(control.rows.size()) ? index : -1;
    } else {
        control.index = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
    }
    Changed(control.name);
}

void TFormModel::SetVisible(std::string_view name, bool visible) {
    TControl& control = (*this)[name];
    control.visible = visible;
    Changed(control.name);
}

void TFormModel::SetEnabled(std::string_view name, bool enabled) {
    TControl& control = (*this)[name];
    control.enabled = enabled;
    Changed(control.name);
}

void TFormModel::SetReadOnly(std::string_view name, bool readOnly) {
    TControl& control = (*this)[name];
    control.readOnly = readOnly;
    Changed(control.name);
}

void TFormModel::SetMaxLength(std::string_view name, int maxLength) {
    TControl& control = (*this)[name];
    control.maxLength = maxLength;
    Changed(control.name);
}

void TFormModel::SetProgress(std::string_view name, int position, int maximum) {
    TControl& control = (*this)[name];
    control.maximum = maximum > 0 ? maximum : 0;
    control.index = position < 0 ? 0 : (position > control.maximum ? control.maximum : position);
    Changed(control.name);
}

void TFormModel::SetColumns(std::string_view name, std::vector<std::string> columns) {
    TControl& control = (*this)[name];
    control.columns = std::move(columns);
    Changed(control.name);
}

void TFormModel::SetRows(std::string_view name, std::vector<std::vector<std::string>> rows) {
    TControl& control = (*this)[name];
    control.rows = std::move(rows);
    Changed(control.name);
}

void TFormModel::Move(std::string_view name, int left, int top) {
    TControl& control = (*this)[name];
    control.left = left;
    if (top >= 0) {
        control.top = top;
    }
    Changed(control.name);
}

void TFormModel::SetGeometry(std::string_view name, int left, int top, int width, int height) {
    TControl& control = (*this)[name];
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    Changed(control.name);
}

void TFormModel::SetTitle(std::string title) {
    title_ = std::move(title);
    Changed({});
}

void TFormModel::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    Changed({});
}

} // namespace tolvane::params
