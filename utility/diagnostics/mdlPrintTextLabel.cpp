#include "mdlPrintTextLabel.h"

#include "mdlCatalogueOverlay.h"
#include "mdlCodePageText.h"
#include "mdlFormLayout.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaHelpers.h"
#include "mdlPrintTextJobs.h"
#include "mdlPrinterFacts.h"
#include "mdlPrinterLib.h"

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using K = TControlKind;

const params::TLayoutEntry kLayout[] = {
    {"lblContent", K::Label, "", 8, 8, 444, 20},
    {"txtPrintText", K::Memo, "", 8, 30, 444, 120},
    {"lblPrintableWidth", K::Label, "", 8, 160, 120, 24},
    {"txtPrintableWidth", K::Edit, "", 132, 160, 60, 24},
    {"lblMultiple1", K::Label, "", 198, 160, 140, 24},
    {"lblPrintableHeight", K::Label, "", 8, 190, 120, 24},
    {"txtPrintableHeigh", K::Edit, "", 132, 190, 60, 24},
    {"Label2", K::Label, "", 198, 190, 140, 24},
    {"gpbLanguage", K::Group, "", 8, 222, 444, 64},
    {"cbxLanguage", K::Check, "gpbLanguage", 0, 0, 18, 18},
    {"lblInternationalCharacter", K::Label, "gpbLanguage", 8, 28, 120, 24},
    {"cmbInternationalCharacter", K::List, "gpbLanguage", 132, 28, 300, 24},
    {"btnPrint", K::Button, "", 252, 296, 96, 30},
    {"btnClose", K::Button, "", 356, 296, 96, 30},
};
constexpr int kClientWidth = 460;
constexpr int kClientHeight = 334;

// The six size controls, hidden together.
constexpr const char* kSizeControls[] = {"lblPrintableWidth",  "txtPrintableWidth", "lblMultiple1",
                                         "lblPrintableHeight", "txtPrintableHeigh", "Label2"};

bool ModelIn(const char* catalogueKey, const std::string& model) {
    return IsModelInList(model, ReadCatalogue(catalogueKey));
}

} // namespace

TPrintTextLabel::TPrintTextLabel(params::TParaDialogContext context, bool miroVariant, std::string maxWidthMm)
    : TActionDialogModel(std::move(context)), miro_(miroVariant), maxWidthMm_(std::move(maxWidthMm)) {
    BuildControls();
}

void TPrintTextLabel::BuildControls() {
    params::TFormModel& form = Form();
    params::AddLayout(form, kLayout);
    form["txtPrintableWidth"].maxLength = 3;
    form["txtPrintableHeigh"].maxLength = 3;
    form.SetClientSize(kClientWidth, kClientHeight);
}

int TPrintTextLabel::MaxWidthMm() const {
    return NumberOr(params::Trim(maxWidthMm_), 0);
}

void TPrintTextLabel::FormCreate() {
    params::TFormModel& form = Form();
    form.SetText("txtPrintableWidth", "30");
    form.SetText("txtPrintableHeigh", "30");
    FillCodePageList(form, kLanguage);
    if (DebugMode() || FactoryMode()) {
        form.SetText("txtPrintText", DeveloperSampleText());
    }
}

void TPrintTextLabel::FormShow() {
    InitLanguage();
    params::TFormModel& form = Form();
    const std::string& model = Context().model;
    if (EditionHasFeature("FTNNo_PrintableWidth_NotVisible")) {
        for (const char* name : kSizeControls) {
            form.SetVisible(name, false);
        }
    }
    if (ModelIn("Miro_PrintTextLanguageDisable", model)) {
        form.SetEnabled("gpbLanguage", false);
    }
    if (EditionHasFeature("FTNNo_PrintTextLanguage_NotVisible")) {
        form.SetVisible("gpbLanguage", false);
    }
}

void TPrintTextLabel::InitLanguage() {
    params::TFormModel& form = Form();
    using params::Txt;
    form.SetTitle(Txt("FormPrintTextLabel_Caption"));
    form.SetText("lblContent", Txt("FormPrintTextLabel_lblContent"));
    form.SetText("lblPrintableWidth", Txt("FormPrintTextLabel_lblPrintableWidth"));
    form.SetText("lblPrintableHeight", Txt("FormPrintTextLabel_lblPrintableHeight"));
    form.SetText("lblMultiple1", "(10-" + maxWidthMm_ + ")mm");
    form.SetText("Label2", "(10-210)mm");
    form.SetText("gpbLanguage", "     " + Txt("Lang_All_00210325_11"));
    form.SetText("lblInternationalCharacter", Txt("Lang_All_00210326_11"));
    form.SetText("btnPrint", Txt("_Print"));
    form.SetText("btnClose", Txt("_Close"));
}

bool TPrintTextLabel::AcceptsKey(std::string_view edit, char32_t key) const {
    if (edit == "txtPrintableWidth" || edit == "txtPrintableHeigh") {
        return (key >= '0' && key <= '9') || key == 8 || key == 13 || key == 127;
    }
    return true;
}

void TPrintTextLabel::LeaveField(std::string_view edit) {
    CheckValue(edit);
}

void TPrintTextLabel::CheckValue(std::string_view edit) {
    int limit = 0;
    if (edit == "txtPrintableWidth") {
        limit = MaxWidthMm();
    } else if (edit == "txtPrintableHeigh") {
        limit = kMaxHeightMm;
    } else {
        return;
    }
    // A text that is not a number (an empty field) counts as too small.
    const int value = NumberOr(params::Trim(Form()[edit].text), -1);
    if (value > limit) {
        Form().SetText(edit, std::to_string(limit));
    } else if (value < kMinSizeMm) {
        Form().SetText(edit, std::to_string(kMinSizeMm));
    }
}

void TPrintTextLabel::UserChanged(std::string_view control) {
    if (control == kLanguage.tick) {
        LanguageTicked(Form(), kLanguage);
    }
}

void TPrintTextLabel::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnPrint") {
        btnPrintClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

void TPrintTextLabel::btnPrintClick() {
    const int opened = OpenSelectedPort(TPrtLib::Tsprix);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        ShowOpenError(opened, true);
        return;
    }
    const std::string text = WithCrLf(Form()["txtPrintText"].text);
    if (EditionHasFeature("FTNNo_PrintText_Type1") &&
        !InBuiltInList(lists::PrintTextType1ExceptNames, Context().listName)) {
        if (miro_) {
            PrintMiroLabel(SplitCrLf(text));
        } else {
            PrintCpclLines(SplitCrLf(text));
        }
    } else {
        PrintTsplLabel(text);
    }
    PrtLib_Close(TPrtLib::Tsprix);
}

namespace {

// Every piece of a job has to reach the printer: the first write that fails
// ends the job with the write error, since a label with a line missing is
// no test of the printer.
bool Send(std::string_view bytes) {
    if (PrtLib_Write(TPrtLib::Tsprix, bytes) != 0) {
        ShowWriteError();
        return false;
    }
    return true;
}

} // namespace

void TPrintTextLabel::PrintCpclLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        if (!Send(CpclOneLineLabel(PrinterBytes(Form(), kLanguage, line)))) {
            return;
        }
    }
}

void TPrintTextLabel::PrintMiroLabel(const std::vector<std::string>& lines) {
    bool labelPaper = false;
    if (EditionHasFeature("FTNNo_PrintText_GetPaperMode")) {
        uint8_t mode = 0;
        labelPaper = KeyGetByteOn(TPrtLib::Tsprix, 1, 206, mode) == 1 && mode != 0;
    }
    std::vector<std::string> converted;
    for (const std::string& line : lines) {
        converted.push_back(PrinterBytes(Form(), kLanguage, line));
    }
    const std::vector<std::string> pieces =
        MiroCpclLabelPieces(params::Trim(Form()["txtPrintableWidth"].text),
                            params::Trim(Form()["txtPrintableHeigh"].text), converted, labelPaper);
    for (const std::string& piece : pieces) {
        if (!Send(piece)) {
            return;
        }
    }
}

void TPrintTextLabel::PrintTsplLabel(const std::string& text) {
    if (params::Trim(text).empty()) {
        ShowEmptyTextError();
        return;
    }
    const std::string& model = Context().model;
    const bool brisco = ModelIn("Brisco_PrintText", model) && CodePageChosen(Form(), kLanguage) &&
                        SelectedCodePage(Form(), kLanguage) == kCodePageUtf8;
    if (brisco && !Send(VietModeFrame())) {
        return;
    }
    if (!Send(std::string_view("CLS\r\n")) ||
        !Send("SIZE " + params::Trim(Form()["txtPrintableWidth"].text) + " mm," +
              params::Trim(Form()["txtPrintableHeigh"].text) + " mm\r\n")) {
        return;
    }
    // Font and multipliers: the printer's bitmap font 0, its vector font 9
    // for the models that have one, the UTF-8 font Z for the Brisco models.
    const bool vector = ReadCatalogue("UseVectorFont").find(model + ",") != std::string::npos;
    const std::vector<std::string> lines = SplitCrLf(text);
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int y = kLabelFirstY + kLabelLineStep * static_cast<int>(n);
        const std::string line = PrinterBytes(Form(), kLanguage, lines[n]);
        const std::string command = brisco   ? TsplTextCommand(kLabelTextX, y, "Z", 1, 1, line)
                                    : vector ? TsplTextCommand(kLabelTextX, y, "9", 50, 50, line)
                                             : TsplTextCommand(kLabelTextX, y, "0", 1, 1, line);
        if (!Send(command)) {
            return;
        }
    }
    Send(std::string_view("PRINT 1\r\n"));
}

} // namespace tolvane::diagnostics
