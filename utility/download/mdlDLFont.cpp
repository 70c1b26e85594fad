// The font dialog: its controls, opening, the font list, the file choice,
// the memory-usage line, the download by the block transfer and deleting.
#include "mdlDLFont.h"

#include "mdlDLNames.h"
#include "mdlDevNewPrt.h"
#include "mdlFileUtil.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

#include <chrono>
#include <exception>
#include <fstream>
#include <thread>

namespace tolvane::download {

using params::TControlKind;
using params::Txt;

namespace {

// Largest font file taken whole into memory.
constexpr uint64_t kMaxFontBytes = 64u << 20;

const char* const kProgressControls[] = {"proDLFont", "lblProgressInfo_F", "Label1", "Label2"};
const char* const kSizeControls[] = {"lblPrintableWidth", "txtPrintableWidth", "lblPrintableHeigh",
                                     "txtPrintableHeigh"};

void Pause(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void ShowError(const std::string& key) {
    MessageSink().ShowError(Txt(key), Txt("_MSG_Title_Error"));
}

bool ReadWhole(const std::string& path, std::vector<uint8_t>& data) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<uint64_t>(size) > kMaxFontBytes) {
        return false;
    }
    data.resize(static_cast<size_t>(size));
    in.seekg(0);
    return size == 0 || in.read(reinterpret_cast<char*>(data.data()), size).good();
}

} // namespace

std::vector<TFontEntry> ParseFontList(const std::string& reply) {
    std::vector<TFontEntry> fonts;
    size_t start = 0;
    while (start <= reply.size() && !reply.empty()) {
        const size_t comma = std::min(reply.find(',', start), reply.size());
        const std::string piece = reply.substr(start, comma - start);
        // A piece too short to carry a memory and a name is not a font.
        if (piece.size() > 2) {
            fonts.push_back({piece[0] == 'R', piece.substr(2)});
        }
        start = comma + 1;
    }
    return fonts;
}

TTransferPacing TDLFontDialog::FontPacing() {
    TTransferPacing pacing;
    pacing.ackPauseMs = 300;
    return pacing;
}

TDLFontDialog::TDLFontDialog(params::TParaDialogContext context, TTransferPacing pacing)
    : TDLTransferDialog(std::move(context), pacing, "btnDLFont",
                        {std::begin(kProgressControls), std::end(kProgressControls)}, "txtFilePath_F") {
    BuildForm();
}

TDLFontDialog::~TDLFontDialog() {
    StopTransfer();
}

void TDLFontDialog::BuildForm() {
    auto& f = form_;
    f.Add("lblFilePath_F", TControlKind::Label);
    f.Add("txtFilePath_F", TControlKind::Edit).readOnly = true;
    f.Add("Button2", TControlKind::Button).text = "...";
    f.Add("lblMemory_F", TControlKind::Label);
    f.Add("cmbFontID", TControlKind::List);
    f.Add("btnDLFont", TControlKind::Button);
    f.Add("proDLFont", TControlKind::Progress).visible = false;
    for (const char* name : {"lblProgressInfo_F", "Label1", "Label2"}) {
        f.Add(name, TControlKind::Label).visible = false;
    }
    f.Add("lvFonts", TControlKind::Table);
    f.Add("btnDeleteCurFont", TControlKind::Button);
    f.Add("btnDeleteAllFont", TControlKind::Button);
    f.Add("lblSpace_Font", TControlKind::Label).visible = false;
    f.Add("lblTestText", TControlKind::Label);
    f.Add("rtTestText", TControlKind::Memo).maxLength = 255;
    f.Add("btnTestFont", TControlKind::Button);
    for (size_t i = 0; i < std::size(kSizeControls); i += 2) {
        f.Add(kSizeControls[i], TControlKind::Label);
        f.Add(kSizeControls[i + 1], TControlKind::Edit).text = "30";
    }
    f.Add("gpbLanguage", TControlKind::Group);
    f.Add("chkLanguage", TControlKind::Check, "gpbLanguage");
    f.Add("cmbLanguage", TControlKind::List, "gpbLanguage").items = {"UTF-8"};
}

void TDLFontDialog::LanguageIni() {
    auto& f = form_;
    f.SetTitle(Txt("FormDLF_Caption"));
    f.SetText("lblFilePath_F", Txt("FormDLFile_lblFilePath"));
    f.SetText("lblMemory_F", Txt("FormDLFile_lblMemory"));
    f.SetItems("cmbFontID", {Txt("FormDLFile_cmbLakeBoart1"), Txt("FormDLFile_cmbLakeBoart2")},
               f["cmbFontID"].index);
    f.SetText("btnDLFont", Txt("msgDL"));
    f.SetText("lblProgressInfo_F", Txt("FormDLF_ProgressInfo"));
    f.SetColumns("lvFonts", {Txt("FormDLF_lvFontsItem0"), Txt("FormDLF_lvFontsItem1")});
    f.SetText("btnDeleteCurFont", Txt("FormDLF_btnDeleteCurFont"));
    f.SetText("btnDeleteAllFont", Txt("FormDLF_btnDeleteAllFont"));
    f.SetText("lblTestText", Txt("FormDLF_lblTestText"));
    f.SetText("btnTestFont", Txt("FormDLF_btnTestFont"));
    f.SetText("lblPrintableWidth", Txt("FormDLF_lblPrintableWidth"));
    f.SetText("lblPrintableHeigh", Txt("FormDLF_lblPrintableHeigh"));
    f.SetText("gpbLanguage", Txt("FormDLF_gpbLanguage"));
    f.SetText("chkLanguage", Txt("FormDLF_lblInternationalCharacter"));
    f.SetIndex("cmbLanguage", 0);
}

void TDLFontDialog::UpdateTestControls() {
    const bool testable = ProtocolKind == 1 || ProtocolKind == 4;
    form_.SetEnabled("rtTestText", testable);
    form_.SetEnabled("btnTestFont", testable);
}

void TDLFontDialog::FormShow() {
    LanguageIni();
    for (const char* name : kSizeControls) {
        form_.SetVisible(name, ProtocolKind == 1);
    }
    UpdateTestControls();
    if (!PrtLib_BeginExchange()) {
        return;
    }
    FillFonts(CmdGetVal("\"fonts\""));
    form_.SetIndex("cmbFontID", 1);
    form_.SetEnabled("cmbFontID", false);
    GetSpace();
    PrtLib_EndExchange();
}

void TDLFontDialog::FormClose() {
    run_.reset();
    PrtLib_EndExchange();
}

void TDLFontDialog::FillFonts(const std::string& reply) {
    if (reply.empty()) {
        return;
    }
    fonts_ = ParseFontList(reply);
    ShowFonts();
}

void TDLFontDialog::ShowFonts() {
    std::vector<std::vector<std::string>> rows;
    const std::string ram = Txt("FormDLFile_cmbLakeBoart1");
    const std::string flash = Txt("FormDLFile_cmbLakeBoart2");
    for (const TFontEntry& font : fonts_) {
        rows.push_back({font.ram ? ram : flash, font.name});
    }
    form_.SetRows("lvFonts", std::move(rows));
    form_.SetIndex("lvFonts", -1);
}

bool TDLFontDialog::SelectFont(const std::string& name) {
    for (size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].name == name) {
            form_.SetIndex("lvFonts", static_cast<int>(i));
            lvFontsClick();
            return true;
        }
    }
    return false;
}

void TDLFontDialog::lvFontsClick() {
    UpdateTestControls();
}

void TDLFontDialog::ShowSpace(const std::string& used, const std::string& free) {
    std::string text = Txt("FormDLF_SpaceInfo");
    const auto put = [&](const std::string& mark, const std::string& value) {
        if (const size_t at = text.find(mark); at != std::string::npos) {
            text.replace(at, mark.size(), value);
        }
    };
    put("{0}", FormatSpaceNumber(free));
    put("{1}", FormatSpaceNumber(used));
    form_.SetText("lblSpace_Font", text);
    form_.SetVisible("lblSpace_Font", true);
}

bool TDLFontDialog::GetSpace() {
    const bool flash = form_["cmbFontID"].index != 0;
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

void TDLFontDialog::btnDLFontClick() {
    if (Busy()) {
        DLState().Cancel = true;
        SetBusy(false);
        ShowProgress(false);
        outcome_ = TOutcome::Cancelled;
        return;
    }
    const std::string path = form_["txtFilePath_F"].text;
    if (path.empty()) {
        return;
    }
    run_.reset();
    outcome_ = TOutcome::None;
    SetBusy(true);
    if (!PrtLib_BeginCommand()) {
        return Fail("");
    }
    TDLState& state = DLState();
    state.BlockSize = 1024;
    state.KBPerBlock = 1;
    state.BlocksSent = 0;
    if (!ReadWhole(path, state.FileData)) {
        return Fail("_Err_FileNotExist");
    }
    state.FileSize = static_cast<int>(state.FileData.size());
    if (state.FreeCapacity < state.FileSize) {
        MessageSink().ShowError(Txt("mNoSP"), Txt("_MSG_Title_Warn"));
        state.FileData.clear();
        return Fail("");
    }
    const bool flash = form_["cmbFontID"].index != 0;
    if (!RequestDownload("\"fonts\"", MemoryPrefix(flash) + state.DownloadName, pacing_)) {
        state.FileData.clear();
        return Fail("FormGDL_ErrIO");
    }
    state.BlockTotal = BlockTotal(state.FileSize, state.BlockSize);
    form_.SetProgress("proDLFont", 0, state.BlockTotal);
    form_.SetText("Label1", "0");
    form_.SetText("Label2", params::TxtWith("FormDLF_DLI2", std::to_string(state.BlockTotal)));
    ShowProgress(true);
    TTransferCallbacks callbacks;
    callbacks.post = post_;
    callbacks.progress = [this](int sent) {
        form_.SetProgress("proDLFont", sent, DLState().BlockTotal);
        form_.SetText("Label1", std::to_string(sent));
    };
    callbacks.ended = [this](TTransferEnd end, const TFinishReads& reads) { TransferEnded(end, reads); };
    TBlockFormat format;
    format.blockSize = state.BlockSize;
    run_ = std::make_unique<TTransferRun>(state, format, pacing_, std::move(callbacks), flash);
    run_->SetListKey("\"fonts\"");
    run_->Start();
}

void TDLFontDialog::TransferEnded(TTransferEnd end, const TFinishReads& reads) {
    TDLState& state = DLState();
    switch (end) {
    case TTransferEnd::Finished:
        FillFonts(reads.bitmaps);
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
        outcome_ = TOutcome::Failed;
        ShowError("FormGDL_ErrIO");
        break;
    case TTransferEnd::ChecksumError:
        outcome_ = TOutcome::Failed;
        ShowError("_Err_CheckSum");
        break;
    }
    state.FileData.clear();
    state.FileData.shrink_to_fit();
}

void TDLFontDialog::DeleteFont(const TFontEntry& entry) {
    CmdDoArgs("\"delete\"", "\"fonts\"", (entry.ram ? "R_" : "E_") + entry.name);
    for (int round = 0; round < pacing_.okPollRounds; ++round) {
        Pause(pacing_.okPollWaitMs);
        if (CmdGetVal("") == "OK") {
            return;
        }
    }
}

void TDLFontDialog::btnDeleteCurFontClick() {
    if (!PrtLib_BeginExchange()) {
        return;
    }
    const int index = form_["lvFonts"].index;
    if (index >= 0 && static_cast<size_t>(index) < fonts_.size()) {
        DeleteFont(fonts_[static_cast<size_t>(index)]);
        fonts_.erase(fonts_.begin() + index);
        ShowFonts();
        GetSpace();
    }
    PrtLib_EndExchange();
}

void TDLFontDialog::btnDeleteAllFontClick() {
    if (!PrtLib_BeginExchange()) {
        return;
    }
    for (const TFontEntry& entry : fonts_) {
        DeleteFont(entry);
    }
    fonts_.clear();
    ShowFonts();
    GetSpace();
    PrtLib_EndExchange();
}

} // namespace tolvane::download
