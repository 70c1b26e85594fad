// What every parameter dialog is without its window: a form model of named
// controls, a life cycle (create, show, read, set, close), timers that the
// host runs, and the input rules of its fields. The Qt window shows one;
// the command line and the tests drive one directly.
#pragma once

#include "mdlFormModel.h"

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

// The printer stopped answering in the middle of a read: a value read got
// no reply at all, or a reply cut off before its end. The read ends there.
class TReplyLost : public std::runtime_error {
  public:
    explicit TReplyLost(const std::string& key) : std::runtime_error(key) {}
};

// The writes of one "Set": how many were sent and how many of them failed.
struct TWriteTally {
    int sent = 0;
    int failed = 0;
    // Counts one write by its result (0 when it was sent).
    void Take(int result) {
        ++sent;
        failed += result != 0 ? 1 : 0;
    }
    bool AllSent() const { return failed == 0; }
};

// The selected printer as the dialog sees it.
struct TParaDialogContext {
    std::string listName; // the defined name: the printer list entry's name
    std::string model;    // the base model name the entry resolves to
};

// The selected printer of the main window (PrinterIdentity()).
TParaDialogContext SelectedPrinterContext();

// A one-shot timer of the dialog. The host starts a real timer when the
// dialog enables one and calls Tick when it fires.
struct TFormTimer {
    int intervalMs = 0;
    bool enabled = false;
    std::function<void()> onTick;
};

class TParaDialogModel {
  public:
    explicit TParaDialogModel(TParaDialogContext context);
    virtual ~TParaDialogModel();
    TParaDialogModel(const TParaDialogModel&) = delete;
    TParaDialogModel& operator=(const TParaDialogModel&) = delete;

    virtual std::string ClassName() const = 0;
    const TParaDialogContext& Context() const { return context_; }
    TFormModel& Form() { return form_; }
    const TFormModel& Form() const { return form_; }

    // Life cycle: FormCreate when the dialog is made, FormShow when it is
    // first shown (it starts the read timer), FormDestroy when it is freed.
    virtual void FormCreate() = 0;
    virtual void FormShow() = 0;
    virtual void FormDestroy() {}
    // The read that the read timer starts; the command line calls it at once.
    virtual void StartRead() = 0;
    // "Set": checks, writes every parameter and asks to close.
    virtual void btnSetClick() = 0;

    // The parameter controls in the order the read fills them.
    virtual std::vector<std::string> ParameterControls() const = 0;
    // Every entry a list can show for some printer (the command line checks
    // a value against these before it talks to the printer). The default:
    // the entries the list has now.
    virtual std::vector<std::string> PossibleEntries(std::string_view list) const;

    // Input rules. AcceptsKey: the key filter of an edit (a character code
    // as typed; 8 is Backspace, 13 Enter). LeaveField: the check that runs
    // when the user leaves a field; it may rewrite the text.
    virtual bool AcceptsKey(std::string_view edit, char32_t key) const;
    // Whether a whole text can stand in an edit: within its maximum length
    // (counted in UTF-16 units, as a window counts them), without control
    // characters, and every character one its key filter accepts.
    bool AcceptsText(std::string_view edit, const std::string& text) const;
    virtual void LeaveField(std::string_view edit);
    // The user changed a list, radio group or tick box: its change handler.
    virtual void UserChanged(std::string_view control);
    // A button other than "Set" (btnClose, btnSave, btnLoad ...).
    // `chosenPath` is the file the user chose when the button asks for one.
    virtual void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {});
    // The file request of a button that asks for a file (title, filter);
    // nothing for other buttons.
    struct TFileQuestion {
        bool save = false;
        std::string filter;
        std::string defaultSuffix;
    };
    virtual std::optional<TFileQuestion> FileQuestion(std::string_view button) const;

    // Timers by name.
    std::map<std::string, TFormTimer>& Timers() { return timers_; }
    void StartTimer(const std::string& name);
    void StopTimer(const std::string& name);
    void SetTimerInterval(const std::string& name, int intervalMs);
    // Runs a timer's tick as the host does when it fires.
    void Tick(const std::string& name);
    // Called when a timer is started or stopped.
    std::function<void(const std::string& name)> OnTimerChanged;

    // The dialog asks its host to close it, or to come to the front.
    bool CloseRequested() const { return closeRequested_; }
    std::function<void()> OnCloseRequested;
    std::function<void()> OnBringToFront;

    // The value read of a key: getval through the device layer on the
    // caller's open port. Replaceable so that the reply handling can be
    // exercised with any bytes. A reply that is not whole (none at all, or
    // cut off before its zero byte) reads as empty and marks the reply lost.
    std::function<std::string(const std::string& key)> GetVal;
    // Whether a reply of the printer was lost since the dialog was made.
    bool ReplyLost() const { return replyLost_; }

    // A dialog made only to check input (the command line's offline check):
    // it must not talk to the printer at all. Dialogs that read in FormShow
    // or FormCreate skip their exchanges when it is set.
    bool Offline = false;

  protected:
    // GetVal for a read that ends at the first lost reply: throws TReplyLost
    // (also for a reply lost before, such as one of the dialog's creation).
    std::string ReadValue(const std::string& key);
    // The read error box of a read that ended because the printer stopped
    // answering, or that gave no usable value at all.
    void ShowReadError();
    // Whether the printer still answers after the writes of "Set": a value
    // read (of `key`) on the caller's open port brings a whole reply. The
    // printer handles its input in order, so the answer comes after it took
    // every write before it.
    bool AnswersAfterWrites(const std::string& key = "version");
    // The one feedback after "Set": when the printer took the writes and
    // its restart, an information box says so and the dialog closes; when
    // it did not, an error box says so and the dialog stays open.
    void ConfirmSet(bool taken);
    // The error box of a "Set" that has nothing to write: no value was read
    // and the user gave none. Nothing is sent.
    void ShowNothingToSet();
    void AddTimer(const std::string& name, int intervalMs, std::function<void()> onTick);
    void RequestClose();
    void BringToFront();

  private:
    TParaDialogContext context_;
    TFormModel form_;
    std::map<std::string, TFormTimer> timers_;
    bool closeRequested_ = false;
    bool replyLost_ = false;
};

// A dialog that runs commands and has no parameters to read or write: the
// diagnostics, the firmware dialogs, the RFID and advanced settings. Its
// "Set" does nothing unless the dialog gives it a command.
class TActionDialogModel : public TParaDialogModel {
  public:
    using TParaDialogModel::TParaDialogModel;
    void StartRead() override {}
    void btnSetClick() override {}
    std::vector<std::string> ParameterControls() const override { return {}; }
};

} // namespace tolvane::params
