// The file dialog's controls, opening and closing, the file kind, memory
// and command-set choices, the file choice and the memory-usage line.
#include "mdlDLFile.h"

#include "mdlDevNewPrt.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace tolvane::download {

using params::TControlKind;
using params::Txt;

namespace {

const char* const kPplItems[] = {"ZPL", "DPL", "EPL", "TSPL"};

const char* const kImageButtons[] = {"btnGetAllImage", "btnPrintImage", "btnDelCurImage", "btnDelAllImage"};
const char* const kTemplateControls[] = {
    "grpTemplates",     "btnGetAllTmp",  "btnPrintTmp",     "btnDelCurTmp",     "btnDelAllTmp",
    "grpAutoTemplates", "btnGetAutoTmp", "btnPrintAutoTmp", "btnDeleteAutoTmp", "btnSwitchAutoform"};
const char* const kProgressControls[] = {"ProgressBar2", "lblProgressInfo_F", "Label1", "Label2"};
const char* const kPrintSizeControls[] = {"lblPrintWidth",  "txtPrintWidth", "lblPrintHeight",
                                          "txtPrintHeight", "lblXPosition",  "txtXPosition",
                                          "lblYPosition",   "txtYPosition"};

} // namespace

TDLFileDialog::TDLFileDialog(params::TParaDialogContext context, bool imagesOnly, TTransferPacing pacing)
    : TDLTransferDialog(std::move(context), pacing,
                        {"btnDLFile",
                         {std::begin(kProgressControls), std::end(kProgressControls)},
                         "ProgressBar2",
                         "txtFilePath",
                         "lblSpace_File"}),
      imagesOnly_(imagesOnly) {
    BuildForm();
}

TDLFileDialog::~TDLFileDialog() {
    StopTransfer();
}

void TDLFileDialog::BuildForm() {
    auto& f = form_;
    f.Add("lblFileType", TControlKind::Label);
    f.Add("cmbFileType", TControlKind::List);
    f.Add("lblImageTimes", TControlKind::Label);
    f.Add("cmbImageTimes", TControlKind::List).items = {"1.0", "1.5", "2.0", "2.5", "3.0"};
    f.Add("lblPPL", TControlKind::Label);
    f.Add("cmbPPL", TControlKind::List);
    f.Add("lblMemory", TControlKind::Label);
    f.Add("ComboBox1", TControlKind::List).enabled = false;
    f.Add("lblFilePath", TControlKind::Label);
    f.Add("txtFilePath", TControlKind::Edit).readOnly = true;
    f.Add("Button7", TControlKind::Button).text = "...";
    f.Add("btnDLFile", TControlKind::Button);
    // Opens the manager of the files a TSPL printer stores itself.
    f.Add("btnTspl", TControlKind::Button).visible = false;
    for (const char* name : kProgressControls) {
        const bool bar = std::string_view(name) == "ProgressBar2";
        f.Add(name, bar ? TControlKind::Progress : TControlKind::Label).visible = false;
    }
    f["ProgressBar2"].index = 0;
    f.Add("lblSpace_File", TControlKind::Label).visible = false;
    if (imagesOnly_) {
        f.Add("lblPrintImagePosition", TControlKind::Label);
        f.Add("edtPrintImagePosition", TControlKind::Edit).text = "0";
    } else {
        const char* defaults[] = {"100", "80", "0", "0"};
        for (size_t i = 0; i < std::size(kPrintSizeControls); i += 2) {
            f.Add(kPrintSizeControls[i], TControlKind::Label);
            f.Add(kPrintSizeControls[i + 1], TControlKind::Edit).text = defaults[i / 2];
        }
    }
    f.Add("grpImages", TControlKind::Group);
    f.Add("lvFonts", TControlKind::List, "grpImages");
    for (const char* name : kImageButtons) {
        f.Add(name, TControlKind::Button, "grpImages");
    }
    f.Add("grpTemplates", TControlKind::Group);
    f.Add("ListView1", TControlKind::List, "grpTemplates");
    for (const char* name : {"btnGetAllTmp", "btnPrintTmp", "btnDelCurTmp", "btnDelAllTmp"}) {
        f.Add(name, TControlKind::Button, "grpTemplates");
    }
    f.Add("grpAutoTemplates", TControlKind::Group);
    f.Add("lsbAutoTmp", TControlKind::List, "grpAutoTemplates");
    for (const char* name : {"btnGetAutoTmp", "btnPrintAutoTmp", "btnDeleteAutoTmp", "btnSwitchAutoform"}) {
        f.Add(name, TControlKind::Button, "grpAutoTemplates");
    }
    f.Add("btnClose", TControlKind::Button);
    SetUIStatus_Template(false);
}

void TDLFileDialog::LanguageIni() {
    auto& f = form_;
    f.SetTitle(Txt("FormDLFile_Caption"));
    f.SetText("lblFileType", Txt("FormDLFile_lblFileType"));
    f.SetItems(
        "cmbFileType",
        {Txt("FormDLFile_cmbFileType_1"), Txt("FormDLFile_cmbFileType_2"), Txt("FormDLFile_cmbFileType_3")},
        f["cmbFileType"].index);
    f.SetText("lblImageTimes", Txt("FormDLFile_lblImageTimes"));
    f.SetText("lblPPL", Txt("FormDLFile_lblPPL"));
    f.SetText("lblMemory", Txt("FormDLFile_lblMemory"));
    f.SetItems("ComboBox1", {Txt("FormDLFile_cmbLakeBoart1"), Txt("FormDLFile_cmbLakeBoart2")},
               f["ComboBox1"].index);
    f.SetText("lblFilePath", Txt("FormDLFile_lblFilePath"));
    f.SetText("btnDLFile", Txt("msgDL"));
    f.SetText("btnTspl", Txt("FormDLFile_btnTspl"));
    f.SetText("lblProgressInfo_F", Txt("FormDLF_ProgressInfo"));
    f.SetText("grpImages", Txt("FormDLFile_grpImages"));
    f.SetText("grpTemplates", Txt("FormDLFile_grpTemplates"));
    f.SetText("grpAutoTemplates", Txt("FormDLFile_grpAutoTemplates"));
    for (const char* name : kImageButtons) {
        f.SetText(name, Txt(std::string("FormDLFile_") + name));
    }
    for (const char* name : {"btnGetAllTmp", "btnPrintTmp", "btnDelCurTmp", "btnDelAllTmp", "btnGetAutoTmp",
                             "btnPrintAutoTmp", "btnDeleteAutoTmp"}) {
        f.SetText(name, Txt(std::string("FormDLFile_") + name));
    }
    f.SetText("btnSwitchAutoform", Txt("FormDLFile_btnSwitchAutoform1"));
    f.SetText("btnClose", Txt("_Close"));
    if (imagesOnly_) {
        f.SetText("lblPrintImagePosition", Txt("FormDLFile_lblPrintImagePosition"));
    } else {
        for (size_t i = 0; i < std::size(kPrintSizeControls); i += 2) {
            f.SetText(kPrintSizeControls[i], Txt(std::string("FormDLFile_") + kPrintSizeControls[i]));
        }
    }
}

void TDLFileDialog::SetUIStatus_Template(bool enabled) {
    for (const char* name : kTemplateControls) {
        form_.SetEnabled(name, enabled);
    }
}

void TDLFileDialog::SetTemplateStatus() {
    SetUIStatus_Template(IsModelInList(context_.model, ",Ardel,") ||
                         IsModelInList(context_.listName, ",Ardel,"));
}

void TDLFileDialog::FormShow() {
    TDLState& state = DLState();
    state.FreeCapacity = 0;
    state.PplReply.clear();
    form_.SetItems("cmbPPL", {std::begin(kPplItems), std::end(kPplItems)}, 0);
    if (!imagesOnly_) {
        SetTemplateStatus();
        directPortOpen_ = false;
        if (const int result = PrtLib_Create(TPrtLib::Escrix, "Dunmore"); result != 0) {
            MessageSink().ShowError(Txt("_Err_CreatePrinter") + ":" + std::to_string(result),
                                    Txt("_MSG_Title_Error"));
        }
    } else {
        form_.SetEnabled("cmbFileType", false);
    }
    LanguageIni();
    form_.SetIndex("ComboBox1", 1);
    GetSpace();
    // The printer's own file commands are TSPL: a printer that reports ZPL
    // as its command set (a TSPL model switched to ZPL) does not answer them.
    form_.SetVisible("btnTspl", ProtocolKind == 1 && DLState().PplReply != "zpl");
    form_.SetIndex("cmbImageTimes", 0);
    form_.SetIndex("cmbFileType", 0);
    cmbFileTypeChange();
}

void TDLFileDialog::FormClose() {
    run_.reset();
    if (!imagesOnly_) {
        PrtLib_Close(TPrtLib::Escrix);
    }
    // The memory-usage read leaves the exchange open; it is closed here so
    // that the port is not left open behind the dialog.
    PrtLib_EndExchange();
}

TFileKind TDLFileDialog::Kind() const {
    const int index = form_["cmbFileType"].index;
    return index == 1 ? TFileKind::Template : index == 2 ? TFileKind::AutoTemplate : TFileKind::Image;
}

bool TDLFileDialog::Flash() const {
    return form_["ComboBox1"].index != 0;
}

bool TDLFileDialog::DirectTspl() const {
    return !imagesOnly_ && IsDirectTspl(context_.model, DLState().PplReply);
}

std::string TDLFileDialog::RamText() const {
    return Txt("FormDLFile_cmbLakeBoart1");
}

std::string TDLFileDialog::FlashText() const {
    return Txt("FormDLFile_cmbLakeBoart2");
}

void TDLFileDialog::cmbFileTypeChange() {
    const bool image = Kind() == TFileKind::Image;
    form_.SetVisible("cmbPPL", !image);
    form_.SetVisible("lblPPL", !image);
    form_.SetVisible("cmbImageTimes", image);
    form_.SetVisible("lblImageTimes", image);
    form_.SetText("txtFilePath", "");
    if (!imagesOnly_) {
        for (const char* name : kPrintSizeControls) {
            form_.SetVisible(name, image && DirectTspl());
        }
    }
}

void TDLFileDialog::cmbPPLChange() {
    for (const char* list : {"lvFonts", "ListView1", "lsbAutoTmp"}) {
        form_.SetItems(list, {}, -1);
    }
}

void TDLFileDialog::ComboBox1Change() {
    GetSpace();
    DoActive_Bitmap("btnGetAllImage");
}

std::string TDLFileDialog::FileFilter() const {
    return Kind() == TFileKind::Image ? Txt("FileFilter_Images") + " (*.bmp *.png *.jpg *.jpeg *.gif)"
                                      : Txt("FileFilter_Labels") + " (*.prn)";
}

void TDLFileDialog::CheckValue() {
    for (const char* name : {"txtPrintWidth", "txtPrintHeight", "txtXPosition", "txtYPosition"}) {
        if (form_.Find(name) == nullptr) {
            continue;
        }
        const std::string& text = form_[name].text;
        if (text.empty() || text[0] == '-') {
            form_.SetText(name, "0");
        }
    }
}

bool TDLFileDialog::GetSpace() {
    if (!PrtLib_ExchangeOpen()) {
        if (PrtLib_Open(TPrtLib::Tsprix, CurrentPortAddress()) != 0) {
            MessageSink().ShowError(Txt("_Err_OpenPort"), Txt("_MSG_Title_Error"));
            return false;
        }
        PrtLib_SetExchangeOpen(true);
    }
    TDLState& state = DLState();
    if (!imagesOnly_) {
        state.PplReply = CmdGetVal("\"ppl\"");
    }
    return ReadSpace(Flash());
}

} // namespace tolvane::download
