// What the file and font dialogs share around a block transfer: the form,
// the queued path to the user-interface thread, the running transfer, the
// download button that turns into the cancel button, the progress controls,
// the memory line, the chosen file's name check, the start of the transfer
// and how a start or transfer ended.
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
    // The names of the dialog's own controls: `downloadButton` turns into
    // the cancel button while a transfer runs, `progressControls` are shown
    // only then (`progressBar` among them), `pathField` shows the chosen
    // file and `spaceLabel` the printer's memory.
    struct TControlNames {
        std::string downloadButton;
        std::vector<std::string> progressControls;
        std::string progressBar;
        std::string pathField;
        std::string spaceLabel;
    };
    TDLTransferDialog(params::TParaDialogContext context, TTransferPacing pacing, TControlNames names);
    virtual ~TDLTransferDialog();

    // Cancels a running transfer and joins its threads; the dialogs call it
    // first in their destructors, before their own members go away.
    void StopTransfer() { run_.reset(); }
    void SetBusy(bool busy);
    // The cancel button: the sender stops before its next block, and the
    // button and progress controls are given back at once.
    void CancelTransfer();
    void ShowProgress(bool visible);
    // Shows the error of `key` (none when empty), ends the exchange and gives
    // the button back: a failed start has nothing left to cancel.
    void Fail(const std::string& key);

    // The memory line with the free and used bytes the printer reported.
    void ShowSpace(const std::string& used, const std::string& free);
    // Reads the used and free bytes of the flash or RAM memory, keeps the
    // free ones for the next transfer's check and shows both; false when
    // the printer did not answer.
    bool ReadSpace(bool flash);
    // Refuses a file larger than the free memory, asks the printer to take
    // it (`kindWord`, the download name with the memory's prefix) and starts
    // the block transfer; the transfer ends by reading the printer's
    // `listKey` list again.
    void StartBlockTransfer(const std::string& kindWord, const std::string& listKey, bool flash);
    // The list the printer reported after a transfer.
    virtual void ShowStoredList(const std::string& reply) = 0;

    params::TParaDialogContext context_;
    TTransferPacing pacing_;
    params::TFormModel form_;
    TPost post_;
    std::unique_ptr<TTransferRun> run_;
    TOutcome outcome_ = TOutcome::None;

  private:
    void TransferEnded(TTransferEnd end, const TFinishReads& reads);

    TControlNames names_;
};

} // namespace tolvane::download
