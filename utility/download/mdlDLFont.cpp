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
    : TDLTransferDialog(std::move(context), pacing,
                        {"btnDLFont",
                         {std::begin(kProgressControls), std::end(kProgressControls)},
                         "proDLFont",
                         "txtFilePath_F",
                         "lblSpace_Font"}) {
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
    f.Add("btnClose", TControlKind::Button);
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
    f.SetText("btnClose", Txt("_Close"));
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

bool TDLFontDialog::GetSpace() {
    return ReadSpace(form_["cmbFontID"].index != 0);
}

void TDLFontDialog::btnDLFontClick() {
    if (Busy()) {
        return CancelTransfer();
    }
    const std::string path = form_["txtFilePath_F"].text;
    if (path.empty()) {
        MessageSink().ShowInfo(Txt("FormDL_ChooseFileFirst"), Txt("_MSG_Title_Message"));
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
    if (!ReadWholeFile(path, kMaxFontBytes, state.FileData)) {
        return Fail("_Err_FileNotExist");
    }
    state.FileSize = static_cast<int>(state.FileData.size());
    StartBlockTransfer("\"fonts\"", "\"fonts\"", form_["cmbFontID"].index != 0);
}

void TDLFontDialog::ShowStoredList(const std::string& reply) {
    FillFonts(reply);
}

bool TDLFontDialog::DeleteFont(const TFontEntry& entry) {
    CmdDoArgs("\"delete\"", "\"fonts\"", (entry.ram ? "R_" : "E_") + entry.name);
    for (int round = 0; round < pacing_.okPollRounds; ++round) {
        Pause(pacing_.okPollWaitMs);
        // "ER": the printer has no such font, so it is gone as well.
        if (const std::string reply = CmdGetVal(""); reply == "OK" || reply == "ER") {
            return true;
        }
    }
    MessageSink().ShowError(Txt("_Err_ReadData"), Txt("_MSG_Title_Error"));
    return false;
}

std::string TDLFontDialog::FileFilter() {
    return Txt("FileFilter_Fonts") + " (*.ttf *.prtf)";
}

bool TDLFontDialog::ConfirmDelete(const char* key) const {
    return !AskBeforeDelete || MessageSink().AskOkCancel(Txt(key), Txt("_MSG_Title_Warn"));
}

void TDLFontDialog::btnDeleteCurFontClick() {
    const int index = form_["lvFonts"].index;
    const bool selected = index >= 0 && static_cast<size_t>(index) < fonts_.size();
    if (!selected || !ConfirmDelete("FormDLF_DelCurrentTip") || !PrtLib_BeginExchange()) {
        return;
    }
    if (DeleteFont(fonts_[static_cast<size_t>(index)])) {
        fonts_.erase(fonts_.begin() + index);
    }
    ShowFonts();
    GetSpace();
    PrtLib_EndExchange();
}

void TDLFontDialog::btnDeleteAllFontClick() {
    if (fonts_.empty() || !ConfirmDelete("FormDLF_DelAllTip") || !PrtLib_BeginExchange()) {
        return;
    }
    // The fonts the printer did not confirm stay listed.
    size_t done = 0;
    while (done < fonts_.size() && DeleteFont(fonts_[done])) {
        ++done;
    }
    fonts_.erase(fonts_.begin(), fonts_.begin() + static_cast<std::ptrdiff_t>(done));
    ShowFonts();
    GetSpace();
    PrtLib_EndExchange();
}

} // namespace tolvane::download
