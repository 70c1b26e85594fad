#include "mdlParamsText.h"

#include "mdlArdelLength.h"
#include "mdlParaFile.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"

#include <algorithm>

namespace tolvane::params {
namespace {

bool IsParameterControl(const TParaDialogModel& dialog, const std::string& name) {
    const std::vector<std::string> names = dialog.ParameterControls();
    return std::find(names.begin(), names.end(), name) != names.end();
}

TParamsApply Fail(const std::string& text, bool mayChange = false) {
    TParamsApply failed{false, text};
    failed.mayChange = mayChange;
    return failed;
}

TParamsApply ApplyLine(TParaDialogModel& dialog, const TParamsLine& line, bool offline) {
    TFormModel& form = dialog.Form();
    const std::string number = std::to_string(line.line);
    TControl* control = form.Find(line.control);
    if (control == nullptr || !IsParameterControl(dialog, line.control)) {
        return Fail(TxtFilled("Cli_UnknownControl", {number, line.control}));
    }
    if (!offline && (!form.EffectivelyVisible(line.control) || !form.EffectivelyEnabled(line.control))) {
        return Fail(TxtFilled("Cli_ControlUnavailable", {number, line.control}), true);
    }
    switch (control->kind) {
    case TControlKind::List: {
        if (offline) {
            const std::vector<std::string> entries = dialog.PossibleEntries(line.control);
            if (std::find(entries.begin(), entries.end(), line.value) == entries.end()) {
                return Fail(TxtFilled("Cli_NotAnEntry", {number, line.value, line.control}));
            }
            return {};
        }
        const int before = control->index;
        if (!SelectItemByExactText(form, line.control, line.value)) {
            return Fail(TxtFilled("Cli_NotAnEntry", {number, line.value, line.control}), true);
        }
        if (form[line.control].index != before) {
            dialog.UserChanged(line.control);
        }
        return {};
    }
    case TControlKind::Radio:
    case TControlKind::Check: {
        const std::optional<long> position = ParseSmallInteger(line.value);
        const long count =
            control->kind == TControlKind::Check ? 2 : static_cast<long>(control->items.size());
        if (!position || *position < 0 || *position >= count) {
            return Fail(TxtFilled("Cli_NotAnEntry", {number, line.value, line.control}));
        }
        if (!offline && control->index != *position) {
            form.SetIndex(line.control, static_cast<int>(*position));
            dialog.UserChanged(line.control);
        }
        return {};
    }
    case TControlKind::Edit: {
        if (control->readOnly || !dialog.AcceptsText(line.control, line.value)) {
            return Fail(TxtFilled("Cli_Refused", {number, line.control, line.value}));
        }
        if (!offline) {
            form.SetText(line.control, line.value);
            dialog.LeaveField(line.control);
        }
        return {};
    }
    default:
        return Fail(TxtFilled("Cli_UnknownControl", {number, line.control}));
    }
}

} // namespace

TParamsParse ParseParamsText(std::string_view text) {
    TParamsParse parsed;
    if (text.size() > kParamsTextMaxBytes) {
        return {false, TxtFilled("Cli_FileTooLarge", {"-"}), {}};
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    int number = 0;
    for (const std::string& raw : SplitText(text, '\n')) {
        ++number;
        const std::string line = Trim(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#' ||
            (line.front() == '[' && line.back() == ']')) {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || line.find('\0') != std::string::npos ||
            Trim(line.substr(0, equals)).empty()) {
            return {false, TxtFilled("Cli_BadLine", {std::to_string(number)}), {}};
        }
        parsed.lines.push_back({number, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))});
    }
    return parsed;
}

std::string ParamsValue(const TControl& control) {
    std::string value;
    switch (control.kind) {
    case TControlKind::List:
        value = control.SelectedText();
        break;
    case TControlKind::Radio:
    case TControlKind::Check:
        value = std::to_string(control.index);
        break;
    default:
        value = control.text;
        break;
    }
    value.erase(std::remove_if(value.begin(), value.end(),
                               [](char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }),
                value.end());
    return value;
}

std::string FormatParams(const TParaDialogModel& dialog) {
    const TParaDialogContext& context = dialog.Context();
    std::string text = "; printer: " + context.listName + "  model: " + context.model +
                       "  dialog: " + dialog.ClassName() + "\n[params]\n";
    const TFormModel& form = dialog.Form();
    // A control the read gave no value is left out, so that feeding the
    // text back to "params set" cannot write an empty or default value;
    // a comment names those controls.
    std::string unread;
    for (const std::string& name : dialog.ParameterControls()) {
        if (!form.EffectivelyVisible(name) || !form.EffectivelyEnabled(name)) {
            continue;
        }
        if (!HasValue(form[name])) {
            unread += (unread.empty() ? "" : " ") + name;
            continue;
        }
        text += name + "=" + ParamsValue(form[name]) + "\n";
    }
    if (!unread.empty()) {
        text += "; not read: " + unread + "\n";
    }
    return text;
}

TParamsApply ApplyParams(TParaDialogModel& dialog, const std::vector<TParamsLine>& lines, bool offline) {
    // The first pass lets a line wait whose list or field a later line may
    // still change (a refilled list, a field enabled by another choice);
    // the second pass takes every line as final.
    const int passes = offline ? 1 : 2;
    for (int pass = 0; pass < passes; ++pass) {
        const bool last = pass == passes - 1;
        for (const TParamsLine& line : lines) {
            if (TParamsApply applied = ApplyLine(dialog, line, offline);
                !applied.ok && (last || !applied.mayChange)) {
                return applied;
            }
        }
    }
    return {};
}

} // namespace tolvane::params
