// The user font dialog: a transfer on the dialog's own timer, one block per
// tick, with 0xFF fill and a checksum over the whole block.
#include "mdlDLFont.h"

#include "mdlDLNames.h"
#include "mdlDevNewPrt.h"
#include "mdlFileUtil.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrinterLib_TSPL.h"
#include "mdlPrtCommands.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace tolvane::download {

using params::TControlKind;
using params::Txt;

namespace {

void ShowError(const std::string& key) {
    MessageSink().ShowError(Txt(key), Txt("_MSG_Title_Error"));
}

} // namespace

TBlockFormat UserFontBlockFormat() {
    TBlockFormat format;
    format.blockSize = 1024;
    format.fill = 0xFF;
    format.checksumWholeBlock = true;
    return format;
}

int UserFontBlockTotal(int64_t fileSize) {
    return fileSize <= 0 ? 0 : static_cast<int>((fileSize + 1023) / 1024);
}

TDLUserFontDialog::TDLUserFontDialog(params::TParaDialogContext context, TUserFontPacing pacing)
    : context_(std::move(context)), pacing_(pacing) {
    auto& f = form_;
    f.Add("lblFileName", TControlKind::Label);
    f.Add("txtFileName", TControlKind::Edit).readOnly = true;
    f.Add("Button2", TControlKind::Button).text = "...";
    f.Add("lblLanguage", TControlKind::Label);
    f.Add("cmbFontID", TControlKind::List).items = UserFontEncodings();
    f.Add("btnDownload", TControlKind::Button);
    f.Add("proDLFont", TControlKind::Progress);
    f.Add("lblProgressInfo", TControlKind::Label);
    f.Add("btnClose", TControlKind::Button);
    timSend_.intervalMs = pacing_.timerMs;
    timSend_.onTick = [this] { timSendTimer(); };
}

TDLUserFontDialog::~TDLUserFontDialog() {
    if (portOpen_) {
        PrtLib_Close(TPrtLib::Tsprix);
    }
}

void TDLUserFontDialog::FormShow() {
    form_.SetTitle(Txt("FormDownloadFont_Caption"));
    form_.SetText("lblFileName", Txt("FormDLFile_lblFilePath"));
    form_.SetText("lblLanguage", Txt("FormParaSet_Pelso_lblLanguage"));
    form_.SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
    form_.SetText("btnClose", Txt("FormDownloadFont_btnClose"));
    form_.SetIndex("cmbFontID", 0);
}

bool TDLUserFontDialog::ChooseFile(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size >= static_cast<uint64_t>(kUserFontLimit)) {
        ShowError("_Err_FileToBig");
        return false;
    }
    form_.SetText("txtFileName", path);
    return true;
}

bool TDLUserFontDialog::Running() const {
    return form_["btnDownload"].text == Txt("FormDownloadFont_btnDownload1");
}

void TDLUserFontDialog::Fail(const std::string& key) {
    timSend_.enabled = false;
    if (portOpen_) {
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
    }
    ShowError(key);
    outcome_ = TOutcome::Failed;
}

void TDLUserFontDialog::btnDownloadClick() {
    if (Running()) {
        timSend_.enabled = false;
        form_.SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
        if (outcome_ == TOutcome::None) {
            outcome_ = TOutcome::Cancelled;
        }
        return;
    }
    const std::string path = form_["txtFileName"].text;
    if (path.empty()) {
        MessageSink().ShowInfo(Txt("FormDL_ChooseFileFirst"), Txt("_MSG_Title_Message"));
        return;
    }
    outcome_ = TOutcome::None;
    if (!FileExists(path)) {
        return Fail("_Err_FileNotExist");
    }
    if (const int result = PrtLib_Create(TPrtLib::Tsprix, context_.model); result != 0) {
        MessageSink().ShowError(Txt("_Err_CreatePrinter") + ":" + std::to_string(result),
                                Txt("_MSG_Title_Error"));
    }
    if (PrtLib_Open(TPrtLib::Tsprix, CurrentPortAddress()) != 0) {
        return Fail("_Err_OpenPort");
    }
    portOpen_ = true;
    // The limit is checked again here: the file may have grown since it was
    // chosen, and the whole file is read into memory.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || size >= kUserFontLimit) {
        return Fail(size < 0 ? "_Err_FileNotExist" : "_Err_FileToBig");
    }
    data_.assign(static_cast<size_t>(size), 0);
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(data_.data()), size)) {
        return Fail("_Err_FileNotExist");
    }
    const std::string encoding =
        params::LowerAscii(form_["cmbFontID"].SelectedText().empty() ? UserFontEncodings().front()
                                                                     : form_["cmbFontID"].SelectedText());
    if (CmdDoArg("\"userfont_download\"", encoding) != 0) {
        return Fail("FormDownloadFont_ErrIO");
    }
    Pause(pacing_.requestWaitMs);
    uint8_t reply[2] = {};
    int count = 0;
    PrtLib_ReadRepeated(reply, 2, count, pacing_.okPauseMs, pacing_.okPasses);
    if (count != 2 || reply[0] != 'O' || reply[1] != 'K') {
        return Fail("FormDownloadFont_ErrIO");
    }
    offset_ = 0;
    blockNumber_ = 0;
    blockTotal_ = UserFontBlockTotal(size);
    kbTotal_ = blockTotal_;
    form_.SetText("btnDownload", Txt("FormDownloadFont_btnDownload1"));
    form_.SetProgress("proDLFont", 0, blockTotal_);
    timSend_.enabled = true;
}

void TDLUserFontDialog::timSendTimer() {
    timSend_.enabled = false;
    if (static_cast<int>(blockNumber_) >= blockTotal_) {
        // An empty file: nothing to send.
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
        form_.SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
        outcome_ = TOutcome::Success;
        MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
        return;
    }
    const TBlockFormat format = UserFontBlockFormat();
    std::vector<uint8_t> block(static_cast<size_t>(format.blockSize) + kBlockOverhead);
    const size_t length = std::min(static_cast<size_t>(format.blockSize), data_.size() - offset_);
    BuildBlock(block, blockNumber_, std::span<const uint8_t>(data_).subspan(offset_, length), format);
    if (PrtLib_Write(TPrtLib::Tsprix, block.data(), static_cast<int>(block.size())) != 0) {
        return Fail("FormDownloadFont_ErrIO");
    }
    offset_ += length;
    ++blockNumber_;
    form_.SetProgress("proDLFont", static_cast<int>(blockNumber_), blockTotal_);
    form_.SetText("lblProgressInfo",
                  params::TxtFilled("FormDownloadFont_lblProgressInfo",
                                    {std::to_string(kbTotal_), std::to_string(blockNumber_)}, 1));
    Pause(blockNumber_ == 1 ? pacing_.firstBlockWaitMs : pacing_.blockWaitMs);
    uint8_t ack[kAckSize] = {};
    int count = 0;
    const int result = PrtLib_ReadRepeated(ack, kAckSize, count, pacing_.ackPauseMs, pacing_.ackPasses);
    // Twelve bytes, or a reply that reached the twelfth byte, are judged;
    // anything shorter is a communication fault.
    if (count != kAckSize && ack[11] == 0) {
        return Fail("FormDownloadFont_ErrIO");
    }
    switch (JudgeAck(block, std::span<const uint8_t>(ack, kAckSize), result == 0)) {
    case TAckVerdict::Accepted:
        break;
    case TAckVerdict::BadSum:
        return Fail("_Err_CheckSum");
    default:
        return Fail("FormDownloadFont_ErrIO");
    }
    if (static_cast<int>(blockNumber_) < blockTotal_) {
        timSend_.enabled = true;
        return;
    }
    PrtLib_Close(TPrtLib::Tsprix);
    portOpen_ = false;
    form_.SetText("btnDownload", Txt("FormDownloadFont_btnDownload"));
    outcome_ = TOutcome::Success;
    MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
}

void TDLUserFontDialog::RunTimer() {
    while (timSend_.enabled) {
        timSendTimer();
    }
}

void TDLUserFontDialog::btnCloseClick() {
    timSend_.enabled = false;
    if (portOpen_) {
        PrtLib_Close(TPrtLib::Tsprix);
        portOpen_ = false;
    }
}

} // namespace tolvane::download
