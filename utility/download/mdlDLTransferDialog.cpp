#include "mdlDLTransferDialog.h"

#include "mdlDLNames.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib_Call.h"

namespace tolvane::download {

using params::Txt;

TDLTransferDialog::TDLTransferDialog(params::TParaDialogContext context, TTransferPacing pacing,
                                     std::string downloadButton, std::vector<std::string> progressControls,
                                     std::string pathField)
    : context_(std::move(context)), pacing_(pacing), downloadButton_(std::move(downloadButton)),
      progressControls_(std::move(progressControls)), pathField_(std::move(pathField)) {}

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
    form_.SetText(pathField_, path);
    return true;
}

bool TDLTransferDialog::Busy() const {
    return form_[downloadButton_].text == Txt("msgCC");
}

void TDLTransferDialog::SetBusy(bool busy) {
    form_.SetText(downloadButton_, Txt(busy ? "msgCC" : "msgDL"));
}

void TDLTransferDialog::ShowProgress(bool visible) {
    for (const std::string& name : progressControls_) {
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

} // namespace tolvane::download
