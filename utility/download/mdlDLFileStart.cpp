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
#include <thread>

namespace tolvane::download {

using params::Txt;

namespace {

// Largest template file taken whole into memory.
constexpr size_t kMaxTemplateBytes = 64u << 20;

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
        return CancelTransfer();
    }
    const std::string path = form_["txtFilePath"].text;
    if (path.empty()) {
        MessageSink().ShowInfo(Txt("FormDL_ChooseFileFirst"), Txt("_MSG_Title_Message"));
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
        if (!ReadWholeFile(form_["txtFilePath"].text, kMaxTemplateBytes, state.FileData)) {
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
        return StartBlockTransfer(KindWord(kind), "\"bitmaps\"", Flash());
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
    // The printer does not answer a DOWNLOAD: the list read again says
    // whether it stored the template.
    if (!Lists("ListView1", state.DownloadName)) {
        return FailNotStored(state.DownloadName);
    }
    CompleteDialogForm();
}

bool TDLFileDialog::Lists(const char* list, const std::string& name) const {
    const std::string wanted = params::LowerAscii(name);
    for (const std::string& entry : form_[list].items) {
        if (params::LowerAscii(EntryName(entry)) == wanted) {
            return true;
        }
    }
    return false;
}

void TDLFileDialog::FailNotStored(const std::string& name) {
    MessageSink().ShowError(params::TxtWith("_Err_NotStored", name), Txt("_MSG_Title_Error"));
    Fail("");
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
    } else {
        // No graphic form for this command language: nothing is sent, and
        // nothing may be reported as stored.
        return Fail("_Err_ProtocolFunction");
    }
    if (PrtLib_Write(TPrtLib::Tsprix, text) != 0) {
        return Fail("FormGDL_ErrIO");
    }
    Pause(pacing_.directWaitMs);
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
    if (!Lists("lvFonts", state.DownloadName)) {
        return FailNotStored(state.DownloadName);
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

void TDLFileDialog::ShowStoredList(const std::string& reply) {
    if (!reply.empty()) {
        FillKeyList("lvFonts", reply);
    }
}

} // namespace tolvane::download
