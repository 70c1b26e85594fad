#include "mdlParaDialogModel.h"

#include "mdlMessageBoxes.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlUtf16.h"

#include <algorithm>

namespace tolvane::params {

TParaDialogContext SelectedPrinterContext() {
    const TPrinterIdentity& identity = PrinterIdentity();
    return {identity.ListName, identity.Model};
}

TParaDialogModel::TParaDialogModel(TParaDialogContext context) : context_(std::move(context)) {
    GetVal = [this](const std::string& key) {
        TValueReply reply = CmdGetValReply(QuoteKey(key));
        if (!reply.whole) {
            replyLost_ = true;
        }
        return std::move(reply.text);
    };
}

TParaDialogModel::~TParaDialogModel() = default;

std::vector<std::string> TParaDialogModel::PossibleEntries(std::string_view list) const {
    const TControl* control = form_.Find(list);
    return control != nullptr ? control->items : std::vector<std::string>{};
}

bool TParaDialogModel::AcceptsKey(std::string_view, char32_t) const {
    return true;
}

bool TParaDialogModel::AcceptsText(std::string_view edit, const std::string& text) const {
    const TControl* control = form_.Find(edit);
    const std::u16string units = Utf8ToUtf16(text);
    if (control == nullptr ||
        (control->maxLength > 0 && units.size() > static_cast<std::size_t>(control->maxLength))) {
        return false;
    }
    return std::all_of(units.begin(), units.end(),
                       [&](char16_t unit) { return unit >= 32 && AcceptsKey(edit, unit); });
}

void TParaDialogModel::LeaveField(std::string_view) {}

void TParaDialogModel::UserChanged(std::string_view) {}

void TParaDialogModel::ButtonClick(std::string_view, const std::optional<std::string>&) {}

std::optional<TParaDialogModel::TFileQuestion> TParaDialogModel::FileQuestion(std::string_view) const {
    return std::nullopt;
}

void TParaDialogModel::AddTimer(const std::string& name, int intervalMs, std::function<void()> onTick) {
    TFormTimer& timer = timers_[name];
    timer.intervalMs = intervalMs;
    timer.enabled = false;
    timer.onTick = std::move(onTick);
}

void TParaDialogModel::StartTimer(const std::string& name) {
    const auto found = timers_.find(name);
    if (found == timers_.end()) {
        return;
    }
    found->second.enabled = true;
    if (OnTimerChanged) {
        OnTimerChanged(name);
    }
}

void TParaDialogModel::StopTimer(const std::string& name) {
    const auto found = timers_.find(name);
    if (found == timers_.end() || !found->second.enabled) {
        return;
    }
    found->second.enabled = false;
    if (OnTimerChanged) {
        OnTimerChanged(name);
    }
}

void TParaDialogModel::SetTimerInterval(const std::string& name, int intervalMs) {
    if (const auto found = timers_.find(name); found != timers_.end()) {
        found->second.intervalMs = intervalMs;
    }
}

void TParaDialogModel::Tick(const std::string& name) {
    const auto found = timers_.find(name);
    if (found != timers_.end() && found->second.onTick) {
        // Copied: a tick may stop or restart its own timer.
        const std::function<void()> tick = found->second.onTick;
        tick();
    }
}

std::string TParaDialogModel::ReadValue(const std::string& key) {
    if (replyLost_) {
        throw TReplyLost(key);
    }
    std::string value = GetVal(key);
    if (replyLost_) {
        throw TReplyLost(key);
    }
    return value;
}

void TParaDialogModel::ShowReadError() {
    ShowErrorBox(Txt("_Err_ReadData"));
}

bool TParaDialogModel::AnswersAfterWrites(const std::string& key) {
    return CmdGetValReply(QuoteKey(key)).whole;
}

void TParaDialogModel::ShowNothingToSet() {
    ShowErrorBox(Txt("ParaSet_NothingToSet"));
}

void TParaDialogModel::ConfirmSet(bool taken) {
    if (!taken) {
        ShowErrorBox(Txt("_Err_WriteData"));
        return;
    }
    const std::string restart = Txt("msgSRP");
    ShowInfo(restart.empty() ? Txt("Lang_All_00010022_14") : restart);
    RequestClose();
}

void TParaDialogModel::RequestClose() {
    closeRequested_ = true;
    if (OnCloseRequested) {
        OnCloseRequested();
    }
}

void TParaDialogModel::BringToFront() {
    if (OnBringToFront) {
        OnBringToFront();
    }
}

} // namespace tolvane::params
