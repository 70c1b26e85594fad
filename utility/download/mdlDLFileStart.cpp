// The download: the checks of a start, the image conversion, the name and
// route, the direct routes, and the block transfer with its two threads.
#include "mdlDLFile.h"

#include "mdlDLImage.h"
#include "mdlDevNewPrt.h"
#include "mdlFileUtil.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPaths.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <thread>

namespace tolvane::download {

using params::Txt;

namespace {

// Largest template file taken whole into memory.
constexpr size_t kMaxTemplateBytes = 64u << 20;

void Pause(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

// The whole file, at most kMaxTemplateBytes; false when it cannot be read
// or is larger.
bool ReadInto(const std::string& path, std::vector<uint8_t>& data) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxTemplateBytes) {
        return false;
    }
    data.resize(static_cast<size_t>(size));
    in.seekg(0);
    return size == 0 || in.read(reinterpret_cast<char*>(data.data()), size).good();
}

void ShowError(const std::string& key) {
    MessageSink().ShowError(Txt(key), Txt("_MSG_Title_Error"));
}

} // namespace

void TDLFileDialog::btnDLFileClick() {
    if (Kind() != TFileKind::Image && form_["cmbPPL"].SelectedText().empty()) {
        ShowError("_Err_Select_PPL");
        return;
    }
    if (Busy()) {
        DLState().Cancel = true;
        SetBusy(false);
        ShowProgress(false);
        outcome_ = TOutcome::Cancelled;
        return;
    }
    const std::string path = form_["txtFilePath"].text;
    if (path.empty()) {
        return;
    }
    if (!FileExists(path)) {
        ShowError("_Err_FileNotExist");
        outcome_ = TOutcome::Failed;
        return;
    }
    // A transfer that ended leaves its threads to be joined before the next.
    run_.reset();
    if (!PrtLib_BeginExchange()) {
        outcome_ = TOutcome::Failed;
        return;
    }
    SetBusy(true);
    outcome_ = TOutcome::None;
    try {
        StartDownload();
    } catch (const std::exception& error) {
        PrtLib_EndExchange();
        SetBusy(false);
        outcome_ = TOutcome::Failed;
        MessageSink().ShowError(error.what(), "");
    }
}

bool TDLFileDialog::PrepareImage(TMonoImage& image) {
    const double scale =
        std::stod(form_["cmbImageTimes"].SelectedText().empty() ? std::string("1.0")
                                                                : form_["cmbImageTimes"].SelectedText());
    switch (ConvertImage(form_["txtFilePath"].text, scale, image)) {
    case TConvertResult::Ok:
        break;
    case TConvertResult::Missing:
        Fail("_Err_FileNotExist");
        return false;
    default:
        Fail("_E_IC");
        return false;
    }
    SaveMonoBmp(ScratchBitmapFile(), image);
    std::string dpi = CmdGetVal("\"dpi\"");
    if (imagesOnly_) {
        // The image-only variant takes no default: the reply must be a number.
        size_t used = 0;
        (void)std::stoi(dpi, &used);
    } else if (dpi.empty()) {
        dpi = "203";
    }
    if (image.width > MaxImageWidth(dpi)) {
        Fail("_E_ITW");
        return false;
    }
    return true;
}

void TDLFileDialog::StartDownload() {
    TDLState& state = DLState();
    const TFileKind kind = Kind();
    TMonoImage image;
    if (kind == TFileKind::Image && !PrepareImage(image)) {
        return;
    }
    const bool direct = DirectTspl();
    state.DownloadName = DownloadName(state.DownloadName, kind, direct, form_["cmbPPL"].SelectedText());
    const TRoute route = ChooseRoute(kind, context_.model, state.PplReply, imagesOnly_);
    state.BlocksSent = 0;
    state.BlockSize = 1024;
    state.KBPerBlock = 1;
    state.FileData.clear();
    state.FileData.shrink_to_fit();
    if (kind != TFileKind::Image) {
        // Read straight into the download state: the file is held once.
        if (!ReadInto(form_["txtFilePath"].text, state.FileData)) {
            return Fail("_Err_FileNotExist");
        }
    }
    switch (route) {
    case TRoute::DirectTemplate:
        return SendDirectTemplate();
    case TRoute::ZplGraphic:
    case TRoute::TsplGraphic:
    case TRoute::GraphicNone:
        return SendDirectGraphic(image);
    case TRoute::PackedImage:
        state.FileData = PackImage(image);
        [[fallthrough]];
    case TRoute::BlockTransfer:
        state.FileSize = static_cast<int>(state.FileData.size());
        return StartBlockTransfer(KindWord(kind));
    }
}

void TDLFileDialog::SendDirectTemplate() {
    TDLState& state = DLState();
    std::string text = "DOWNLOAD E,\"" + state.DownloadName + "\"\r\n";
    text.append(state.FileData.begin(), state.FileData.end());
    text += "\r\nEOP\r\n";
    state.FileData.clear();
    if (PrtLib_Write(TPrtLib::Tsprix, text) != 0) {
        return Fail("FormGDL_ErrIO");
    }
    Pause(pacing_.directWaitMs);
    DoActive_Label("btnGetAllTmp");
    if (Kind() == TFileKind::AutoTemplate) {
        DoActive_AutoTmp("btnGetAutoTmp");
    }
    CompleteDialogForm();
}

void TDLFileDialog::SendDirectGraphic(const TMonoImage& image) {
    if (!PrtLib_BeginCommand()) {
        // The open failed (its message was shown): the exchange is ended and
        // the button given back, so that the dialog is not left waiting.
        return Fail("");
    }
    const TDLState& state = DLState();
    std::string text;
    if (state.PplReply == "zpl") {
        text = ZplGraphic(state.DownloadName, image);
    } else if (state.PplReply == "tsc") {
        text = TsplGraphic(state.DownloadName, image);
    }
    if (!text.empty()) {
        if (PrtLib_Write(TPrtLib::Tsprix, text) != 0) {
            return Fail("FormGDL_ErrIO");
        }
        Pause(pacing_.directWaitMs);
    }
    const std::string list = state.PplReply == "tsc" ? CmdQuery("~!F") : CmdGetVal("\"bitmaps\"");
    if (list.empty()) {
        // Nothing confirms the image: the exchange is ended and the start
        // reported as failed instead of leaving the cancel caption behind.
        return Fail("FormGDL_ErrIO");
    }
    if (state.PplReply == "tsc") {
        FillDirectList("lvFonts", list, ".BMP");
    } else {
        FillKeyList("lvFonts", list);
    }
    CompleteDialogForm();
}

void TDLFileDialog::CompleteDialogForm() {
    GetSpace();
    SetBusy(false);
    PrtLib_EndExchange();
    outcome_ = TOutcome::Success;
    MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
}

void TDLFileDialog::StartBlockTransfer(const std::string& kindWord) {
    TDLState& state = DLState();
    if (state.FreeCapacity < state.FileSize) {
        MessageSink().ShowError(Txt("mNoSP"), Txt("_MSG_Title_Warn"));
        state.FileData.clear();
        return Fail("");
    }
    if (!RequestDownload(kindWord, MemoryPrefix(Flash()) + state.DownloadName, pacing_)) {
        state.FileData.clear();
        return Fail("FormGDL_ErrIO");
    }
    state.BlockTotal = BlockTotal(state.FileSize, state.BlockSize);
    form_.SetIndex("ProgressBar2", 0);
    form_["ProgressBar2"].maximum = state.BlockTotal;
    form_.SetText("Label1", "0");
    form_.SetText("Label2", [&] {
        std::string text = Txt("FormDLF_DLI2");
        if (const size_t at = text.find("{1}"); at != std::string::npos) {
            text.replace(at, 3, std::to_string(state.BlockTotal * state.KBPerBlock));
        }
        return text;
    }());
    ShowProgress(true);
    TTransferCallbacks callbacks;
    callbacks.post = post_;
    callbacks.progress = [this](int sent) {
        form_.SetIndex("ProgressBar2", sent);
        form_.SetText("Label1", std::to_string(sent));
    };
    callbacks.ended = [this](TTransferEnd end, const TFinishReads& reads) { TransferEnded(end, reads); };
    TBlockFormat format;
    format.blockSize = state.BlockSize;
    run_ = std::make_unique<TTransferRun>(state, format, pacing_, std::move(callbacks), Flash());
    run_->Start();
}

void TDLFileDialog::TransferEnded(TTransferEnd end, const TFinishReads& reads) {
    TDLState& state = DLState();
    switch (end) {
    case TTransferEnd::Finished:
        if (!reads.bitmaps.empty()) {
            FillKeyList("lvFonts", reads.bitmaps);
        }
        if (!reads.used.empty() && !reads.free.empty()) {
            state.FreeCapacity = ToIntOrZero(reads.free);
            ShowSpace(reads.used, reads.free);
        }
        outcome_ = TOutcome::Success;
        MessageSink().ShowInfo(Txt("_DownloadSuccess"), Txt("_MSG_Title_Message"));
        SetBusy(false);
        break;
    case TTransferEnd::Cancelled:
        outcome_ = TOutcome::Cancelled;
        break;
    case TTransferEnd::IoError:
        outcome_ = TOutcome::Failed;
        ShowError("FormGDL_ErrIO");
        break;
    case TTransferEnd::ChecksumError:
        outcome_ = TOutcome::Failed;
        ShowError("_Err_CheckSum");
        break;
    }
    // The bytes are not needed any more.
    state.FileData.clear();
    state.FileData.shrink_to_fit();
}

} // namespace tolvane::download
