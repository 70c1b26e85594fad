// What the file and font dialogs share around a block transfer: the form,
// the queued path to the user-interface thread, the running transfer, the
// download button that turns into the cancel button, the progress controls,
// the chosen file's name check, and how a start or transfer ended.
#pragma once

#include "mdlDLTransfer.h"
#include "mdlFormModel.h"
#include "mdlParaDialogModel.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::download {

class TDLTransferDialog {
  public:
    TDLTransferDialog(const TDLTransferDialog&) = delete;
    TDLTransferDialog& operator=(const TDLTransferDialog&) = delete;

    params::TFormModel& Form() { return form_; }
    const params::TFormModel& Form() const { return form_; }
    // How worker threads reach the user-interface thread (queued).
    void SetPost(TPost post) { post_ = std::move(post); }

    // The file the chooser returned; false when its name was refused (the
    // message was shown).
    bool ChooseFile(const std::string& path);
    // A transfer is running (the download button shows the cancel text).
    bool Busy() const;
    // Waits for the threads of the running transfer (tests, tolvane-cli).
    void WaitForTransfer();
    // How the last start or transfer ended (tolvane-cli's exit status).
    enum class TOutcome { None, Success, Failed, Cancelled };
    TOutcome Outcome() const { return outcome_; }

  protected:
    // `downloadButton` turns into the cancel button while a transfer runs,
    // `progressControls` are shown only then, `pathField` shows the chosen file.
    TDLTransferDialog(params::TParaDialogContext context, TTransferPacing pacing, std::string downloadButton,
                      std::vector<std::string> progressControls, std::string pathField);
    ~TDLTransferDialog();

    // Cancels a running transfer and joins its threads; the dialogs call it
    // first in their destructors, before their own members go away.
    void StopTransfer() { run_.reset(); }
    void SetBusy(bool busy);
    void ShowProgress(bool visible);
    // Shows the error of `key` (none when empty), ends the exchange and gives
    // the button back: a failed start has nothing left to cancel.
    void Fail(const std::string& key);

    params::TParaDialogContext context_;
    TTransferPacing pacing_;
    params::TFormModel form_;
    TPost post_;
    std::unique_ptr<TTransferRun> run_;
    TOutcome outcome_ = TOutcome::None;

  private:
    std::string downloadButton_;
    std::vector<std::string> progressControls_;
    std::string pathField_;
};

} // namespace tolvane::download
