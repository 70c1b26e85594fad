#include "mdlParaReadState.h"

#include "mdlArdelLength.h"
#include "mdlParaHelpers.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace tolvane::params {
namespace {

constexpr int kStatusLineHeight = 20;

} // namespace

bool HasValue(const TControl& control) {
    switch (control.kind) {
    case TControlKind::List:
    case TControlKind::Radio:
        return control.index >= 0 && control.index < static_cast<int>(control.items.size());
    case TControlKind::Edit:
    case TControlKind::Memo:
        return !Trim(control.text).empty();
    default:
        return true;
    }
}

bool HasValue(const TFormModel& form, std::string_view name) {
    const TControl* control = form.Find(name);
    return control != nullptr && HasValue(*control);
}

void ClearParameterValues(TParaDialogModel& dialog) {
    TFormModel& form = dialog.Form();
    for (const std::string& name : dialog.ParameterControls()) {
        const TControl* control = form.Find(name);
        if (control == nullptr) {
            continue;
        }
        if (control->kind == TControlKind::List || control->kind == TControlKind::Radio) {
            form.SetIndex(name, -1);
        } else if (control->kind == TControlKind::Edit || control->kind == TControlKind::Memo) {
            form.SetText(name, "");
        }
    }
}

bool ReadListEntry(TFormModel& form, std::string_view list, std::string_view reply) {
    const TControl& control = form[list];
    const std::string wanted = LowerAscii(Trim(std::string(reply)));
    int found = -1;
    for (std::size_t n = 0; !wanted.empty() && n < control.items.size(); ++n) {
        if (LowerAscii(control.items[n]) == wanted) {
            found = static_cast<int>(n);
            break;
        }
    }
    form.SetIndex(list, found);
    return found >= 0;
}

bool ReadCodePageEntry(TFormModel& form, std::string_view list, std::string_view reply) {
    const TControl& control = form[list];
    const std::string wanted = LowerAscii(Trim(std::string(reply)));
    int found = -1;
    for (std::size_t n = 0; !wanted.empty() && n < control.items.size(); ++n) {
        if (LowerAscii(CodePageCode(control.items[n])) == wanted) {
            found = static_cast<int>(n);
            break;
        }
    }
    form.SetIndex(list, found);
    return found >= 0;
}

bool ReadWordPosition(TFormModel& form, std::string_view control, std::string_view reply,
                      const std::vector<std::string>& words) {
    const std::string wanted = LowerAscii(Trim(std::string(reply)));
    const auto at = std::find(words.begin(), words.end(), wanted);
    const int position = wanted.empty() || at == words.end() ? -1 : static_cast<int>(at - words.begin());
    form.SetIndex(control, position);
    return form[control].index >= 0;
}

bool ReadEditText(TFormModel& form, std::string_view edit, const std::string& reply) {
    const bool usable = !Trim(reply).empty();
    form.SetText(edit, usable ? reply : std::string());
    return usable;
}

bool ReadNumberText(TFormModel& form, std::string_view edit, const std::string& reply, long low, long high) {
    const std::optional<long> value = ParseSmallInteger(Trim(reply));
    const bool usable = value && *value >= low && *value <= high;
    form.SetText(edit, usable ? std::to_string(*value) : std::string());
    return usable;
}

bool ReadAddressFields(TFormModel& form, const std::string& field, const std::string& reply) {
    const std::vector<std::string> parts = SplitText(Trim(reply), '.');
    const auto number = [](const std::string& part) {
        return !part.empty() && part.size() <= 3 &&
               std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
               std::stoi(part) <= 255;
    };
    // A printer may end the address with the "." it is sent with.
    const bool trailingDot = parts.size() == 5 && parts[4].empty();
    const bool usable =
        (parts.size() == 4 || trailingDot) && std::all_of(parts.begin(), parts.begin() + 4, number);
    for (std::size_t n = 0; n < 4; ++n) {
        form.SetText(field + std::to_string(n + 1), usable ? parts[n] : std::string());
    }
    return usable;
}

bool AnyValueToWrite(const TParaDialogModel& dialog) {
    const TFormModel& form = dialog.Form();
    for (const std::string& name : dialog.ParameterControls()) {
        const TControl* control = form.Find(name);
        if (control != nullptr && control->kind != TControlKind::Check && form.EffectivelyVisible(name) &&
            form.EffectivelyEnabled(name) && HasValue(*control)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> UnreadControls(const TParaDialogModel& dialog) {
    const TFormModel& form = dialog.Form();
    std::vector<std::string> unread;
    for (const std::string& name : dialog.ParameterControls()) {
        const TControl* control = form.Find(name);
        if (control != nullptr && form.EffectivelyVisible(name) && form.EffectivelyEnabled(name) &&
            !HasValue(*control)) {
            unread.push_back(name);
        }
    }
    return unread;
}

std::string ControlCaption(const TFormModel& form, const std::string& name) {
    const TControl* control = form.Find(name);
    if (control != nullptr && control->kind == TControlKind::Radio && !control->text.empty()) {
        return control->text;
    }
    // "txtIP3" belongs to the row of "txtIP"; the prefix gives way to "lbl".
    std::string stem = name;
    while (!stem.empty() && std::isdigit(static_cast<unsigned char>(stem.back()))) {
        stem.pop_back();
    }
    const std::size_t start = stem.size() > 3 ? 3 : 0;
    const std::string rest = stem.substr(start);
    for (const std::string& label : {"lbl" + rest, "lbl" + rest + "Address", "lblDefaut" + rest}) {
        if (const TControl* found = form.Find(label); found != nullptr && !Trim(found->text).empty()) {
            std::string caption = Trim(found->text);
            while (!caption.empty() && (caption.back() == ':' || caption.back() == ' ')) {
                caption.pop_back();
            }
            return caption;
        }
    }
    return name;
}

std::string UnreadStatusText(const TParaDialogModel& dialog) {
    std::vector<std::string> captions;
    for (const std::string& name : UnreadControls(dialog)) {
        const std::string caption = ControlCaption(dialog.Form(), name);
        if (std::find(captions.begin(), captions.end(), caption) == captions.end()) {
            captions.push_back(caption);
        }
    }
    if (captions.empty()) {
        return {};
    }
    std::string joined;
    for (const std::string& caption : captions) {
        joined += (joined.empty() ? "" : ", ") + caption;
    }
    return TxtWith("ParaSet_NotRead", joined);
}

void AddUnreadStatusLine(TFormModel& form) {
    TControl& status = form.Add("StatusBarA", TControlKind::Status);
    status.left = 0;
    status.top = form.ClientHeight();
    status.width = form.ClientWidth();
    status.height = kStatusLineHeight;
    status.visible = false;
}

void ShowUnreadStatusLine(TParaDialogModel& dialog) {
    TFormModel& form = dialog.Form();
    const std::string unread = UnreadStatusText(dialog);
    const bool shown = form["StatusBarA"].visible;
    form.SetText("StatusBarA", unread);
    if (unread.empty() == shown) {
        form.SetVisible("StatusBarA", !shown);
        form.SetClientSize(form.ClientWidth(), form.ClientHeight() + (shown ? -1 : 1) * kStatusLineHeight);
    }
}

} // namespace tolvane::params
