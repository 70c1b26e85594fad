#include "mdlDLTransferDialog.h"

#include "mdlDLNames.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

namespace tolvane::download {

using params::Txt;

TDLTransferDialog::TDLTransferDialog(params::TParaDialogContext context, TTransferPacing pacing,
                                     TControlNames names)
    : context_(std::move(context)), pacing_(pacing), names_(std::move(names)) {}

TDLTransferDialog::~TDLTransferDialog() {
    // Closing during a transfer: the sender stops before its next block and
    // both threads are joined before the controls go away.
    StopTransfer();
}

bool TDLTransferDialog::ChooseFile(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    switch (CheckDownloadName(name)) {
    case TNameCheck::TooLong:
        MessageSink().ShowError(params::TxtWith("_Err_FileNameLength", std::to_string(kMaxDownloadName + 1)),
                                Txt("_MSG_Title_Error"));
        return false;
    case TNameCheck::HasSpace:
        MessageSink().ShowError(Txt("msgASCIIFileName"), Txt("_MSG_Title_Error"));
        return false;
    case TNameCheck::Ok:
        break;
    }
    DLState().DownloadName = name;
    form_.SetText(names_.pathField, path);
    return true;
}

bool TDLTransferDialog::Busy() const {
    return form_[names_.downloadButton].text == Txt("msgCC");
}

void TDLTransferDialog::SetBusy(bool busy) {
    form_.SetText(names_.downloadButton, Txt(busy ? "msgCC" : "msgDL"));
}

void TDLTransferDialog::CancelTransfer() {
    DLState().Cancel = true;
    SetBusy(false);
    ShowProgress(false);
    outcome_ = TOutcome::Cancelled;
}

void TDLTransferDialog::ShowProgress(bool visible) {
    for (const std::string& name : names_.progressControls) {
        form_.SetVisible(name, visible);
    }
}

void TDLTransferDialog::WaitForTransfer() {
    if (run_) {
        run_->Join();
    }
}

void TDLTransferDialog::Fail(const std::string& key) {
    if (!key.empty()) {
        MessageSink().ShowError(Txt(key), Txt("_MSG_Title_Error"));
    }
    PrtLib_EndExchange();
    SetBusy(false);
    outcome_ = TOutcome::Failed;
}

void TDLTransferDialog::ShowSpace(const std::string& used, const std::string& free) {
    form_.SetText(names_.spaceLabel,
                  params::TxtFilled("FormDLF_SpaceInfo", {FormatSpaceNumber(free), FormatSpaceNumber(used)}));
    form_.SetVisible(names_.spaceLabel, true);
}

bool TDLTransferDialog::ReadSpace(bool flash) {
    const std::string used = CmdGetVal(flash ? "\"use_capacity\"" : "\"use_capacity_ram\"");
    if (used.empty()) {
        return false;
    }
    const std::string free = CmdGetVal(flash ? "\"remain_capacity\"" : "\"remain_capacity_ram\"");
    if (free.empty()) {
        return false;
    }
    DLState().FreeCapacity = ToIntOrZero(free);
    ShowSpace(used, free);
    return true;
}

void TDLTransferDialog::StartBlockTransfer(const std::string& kindWord, const std::string& listKey,
                                           bool flash) {
    TDLState& state = DLState();
    if (state.FreeCapacity < state.FileSize) {
        MessageSink().ShowError(Txt("mNoSP"), Txt("_MSG_Title_Warn"));
        state.FileData.clear();
        return Fail("");
    }
    if (!RequestDownload(kindWord, MemoryPrefix(flash) + state.DownloadName, pacing_)) {
        state.FileData.clear();
        return Fail("FormGDL_ErrIO");
    }
    state.BlockTotal = BlockTotal(state.FileSize, state.BlockSize);
    form_.SetProgress(names_.progressBar, 0, state.BlockTotal);
    form_.SetText("Label1", "0");
    form_.SetText("Label2", params::TxtFilled("FormDLF_DLI2",
                                              {std::to_string(state.BlockTotal * state.KBPerBlock)}, 1));
    ShowProgress(true);
    TTransferCallbacks callbacks;
    callbacks.post = post_;
    callbacks.progress = [this](int sent) {
        form_.SetProgress(names_.progressBar, sent, DLState().BlockTotal);
        form_.SetText("Label1", std::to_string(sent));
    };
    callbacks.ended = [this](TTransferEnd end, const TFinishReads& reads) { TransferEnded(end, reads); };
    TBlockFormat format;
    format.blockSize = state.BlockSize;
    run_ = std::make_unique<TTransferRun>(state, format, pacing_, std::move(callbacks), flash);
    run_->SetListKey(listKey);
    run_->Start();
}

void TDLTransferDialog::TransferEnded(TTransferEnd end, const TFinishReads& reads) {
    TDLState& state = DLState();
    switch (end) {
    case TTransferEnd::Finished:
        ShowStoredList(reads.bitmaps);
        if (!reads.used.empty() && !reads.free.empty()) {
            state.FreeCapacity = ToIntOrZero(reads.free);
            ShowSpace(reads.used, reads.free);
        }
        SetBusy(false);
        outcome_ = TOutcome::Success;
        MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
        break;
    case TTransferEnd::Cancelled:
        outcome_ = TOutcome::Cancelled;
        break;
    case TTransferEnd::IoError:
    case TTransferEnd::ChecksumError:
        outcome_ = TOutcome::Failed;
        MessageSink().ShowError(Txt(end == TTransferEnd::IoError ? "FormGDL_ErrIO" : "_Err_CheckSum"),
                                Txt("_MSG_Title_Error"));
        break;
    }
    // The bytes are not needed any more.
    state.FileData.clear();
    state.FileData.shrink_to_fit();
}

} // namespace tolvane::download
