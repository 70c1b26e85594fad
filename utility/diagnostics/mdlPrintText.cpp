#include "mdlPrintText.h"

#include "mdlCatalogueOverlay.h"
#include "mdlCodePageText.h"
#include "mdlFormLayout.h"
#include "mdlGlobal.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlMessages.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterIdentity.h"
#include "mdlPrinterLib.h"
#include "mdlReplaceText.h"

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using K = TControlKind;

// Design positions; the rows' tops come from the row layout.
const params::TLayoutEntry kLayout[] = {
    {"lblContent", K::Label, "", 8, 8, 444, 20},
    {"txtPrintText", K::Memo, "", 8, 30, 444, 120},
    {"gpbLanguage", K::Group, "", 8, 0, 444, 64},
    {"CheckBox1", K::Check, "gpbLanguage", 0, 0, 18, 18},
    {"lblLanguage", K::Label, "gpbLanguage", 8, 28, 120, 24},
    {"cmbInternationalCharacter", K::List, "gpbLanguage", 132, 28, 300, 24},
    {"lblPrintableHeight", K::Label, "", 8, 0, 120, 24},
    {"cmbPrintableHeight", K::List, "", 132, 0, 100, 24},
    {"lblRowHeight", K::Label, "", 8, 0, 120, 24},
    {"cmbRowHeight", K::List, "", 132, 0, 100, 24},
    {"btnPrint", K::Button, "", 252, 0, 96, 30},
    {"btnClose", K::Button, "", 356, 0, 96, 30},
};
constexpr int kClientWidth = 460;
constexpr int kRowsTop = 158;

bool ModelIn(const char* catalogueKey, const std::string& model) {
    return IsModelInList(model, ReadCatalogue(catalogueKey));
}

int PaperReplyKind(const std::string& model) {
    if (InBuiltInList(lists::PaperModeReplyKind1Models, model)) {
        return 1;
    }
    if (InBuiltInList(lists::PaperModeReplyKind2Models, model)) {
        return 2;
    }
    // Every other model's reply gives no answer.
    return 0;
}

} // namespace

TPrintText::TPrintText(params::TParaDialogContext context) : TActionDialogModel(std::move(context)) {
    BuildControls();
}

void TPrintText::BuildControls() {
    params::TFormModel& form = Form();
    params::AddLayout(form, kLayout);
}

void TPrintText::FormCreate() {
    params::TFormModel& form = Form();
    const std::string& model = Context().model;
    FillCodePageList(form, kLanguage);
    form.SetItems("cmbPrintableHeight", {"80", "160"}, 1);
    form.SetItems("cmbRowHeight", {"30"}, 0);
    rows_.Clear();
    rows_.Add("Language", 64, {{&form, "gpbLanguage"}});
    rows_.Add("PrintableHeight", 24, {{&form, "lblPrintableHeight"}, {&form, "cmbPrintableHeight"}},
              InBuiltInList(lists::PrintableHeightModels, model));
    rows_.Add("RowHeight", 24, {{&form, "lblRowHeight"}, {&form, "cmbRowHeight"}},
              InBuiltInList(lists::RowHeightModels, model));
    LayoutRows();
    if (DebugMode() || FactoryMode()) {
        form.SetText("txtPrintText", DeveloperSampleText());
    }
}

void TPrintText::LayoutRows() {
    params::TFormModel& form = Form();
    const int below = rows_.Layout(kRowsTop) + 4;
    form.Move("btnPrint", form["btnPrint"].left, below);
    form.Move("btnClose", form["btnClose"].left, below);
    form.SetClientSize(kClientWidth, below + 30 + 10);
}

void TPrintText::FormShow() {
    InitLanguage();
}

void TPrintText::FormDestroy() {
    rows_.Clear();
}

void TPrintText::InitLanguage() {
    params::TFormModel& form = Form();
    using params::Txt;
    const std::string& language = Globals().LanguageId;
    const std::string indent = language == "2052" || language == "1028" ? "   " : "     ";
    form.SetTitle(Txt("FormPrintText_Caption"));
    form.SetText("lblContent", Txt("FormPrintText_lblContent"));
    form.SetText("gpbLanguage", indent + Txt("FormPrintText_chkLanguage"));
    form.SetText("lblLanguage", Txt("FormPrintText_lblLanguage"));
    form.SetText("lblPrintableHeight", Txt("FormPrintTextLabel_lblPrintableHeight"));
    form.SetText("lblRowHeight", Txt("Lang_All_00210331_11"));
    form.SetText("btnPrint", Txt("_Print"));
    form.SetText("btnClose", Txt("_Close"));
}

void TPrintText::UserChanged(std::string_view control) {
    if (control == kLanguage.tick) {
        LanguageTicked(Form(), kLanguage);
    }
}

void TPrintText::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnPrint") {
        btnPrintClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

TPrintJobOptions TPrintText::JobOptions() const {
    const params::TFormModel& form = Form();
    const std::string& model = Context().model;
    TPrintJobOptions options;
    options.brisco = ModelIn("Brisco_PrintText", model) && CodePageChosen(form, kLanguage) &&
                     SelectedCodePage(form, kLanguage) == kCodePageUtf8;
    if (InBuiltInList(lists::PrintableHeightModels, model)) {
        options.printableHeight = NumberOr(form["cmbPrintableHeight"].SelectedText(), 80);
    }
    options.multiLine = InBuiltInList(lists::MultiLineTextModels, model);
    if (InBuiltInList(lists::RowHeightModels, model)) {
        options.rowHeight = NumberOr(form["cmbRowHeight"].SelectedText(), 30);
    }
    return options;
}

TPrintJobType TPrintText::ChooseJobType(bool& trailer) {
    trailer = false;
    const std::string& model = Context().model;
    if (ModelIn("Wexby_PrintText", model)) {
        return TPrintJobType::ZplVector;
    }
    switch (ProtocolKind) {
    case kLangZpl:
        return TPrintJobType::Zpl;
    case kLangEpl:
        return TPrintJobType::Epl;
    case kLangCpcl:
        break;
    default:
        return TPrintJobType::TextLf;
    }
    if (!InBuiltInList(lists::PaperModeCheckModels, model)) {
        return TPrintJobType::TextCrLf;
    }
    const bool canAsk = InBuiltInList(lists::PaperModeQueryAModels, model) &&
                        InBuiltInList(lists::PaperModeQueryBModels, model);
    const uint8_t group = InBuiltInList(lists::KeyGroup1Models, model) ? 1 : 0;
    uint8_t mode = 0;
    if (!canAsk || KeyGetByteOn(PrtLib_Current(), group, kPaperModeKey, mode) != 1) {
        ShowInfo(ReplaceText(params::Txt("Lang_All_00010011_11"), params::Txt("Lang_Word_ProtocolType")));
        return TPrintJobType::TextCrLf;
    }
    const TPaperAnswer answer = PaperModeAnswer(PaperReplyKind(model), mode);
    trailer = answer == TPaperAnswer::C;
    return JobTypeForAnswer(answer);
}

void TPrintText::btnPrintClick() {
    const TPrinterIdentity& identity = PrinterIdentity();
    const TPrtLib lib = PrtLib_Current();
    PrtLib_Create(lib, InBuiltInList(lists::TormundEditionModels, identity.Model) ? std::string("Tormund")
                                                                                  : identity.MapModel);
    const int opened = PrtLib_Open(lib, identity.PortAddress);
    if (opened != 0 && opened != kAlreadyOpenResult) {
        ShowOpenError(opened, false);
        return;
    }
    const std::string text = WithCrLf(Form()["txtPrintText"].text);
    if (params::Trim(text).empty()) {
        ShowEmptyTextError();
        PrtLib_Close(lib);
        return;
    }
    bool trailer = false;
    const TPrintJobType type = ChooseJobType(trailer);
    const std::string job = GeneralJob(type, text, JobOptions());
    // Every write of the job has to reach the printer; the first that fails
    // ends it with the write error.
    const bool first = ReadCatalogue("Send1B53First").find(identity.Model + ",") == std::string::npos ||
                       PrtLib_Write(lib, std::string_view("\x1B\x53", 2)) == 0;
    if (!first || PrtLib_Write(lib, PrinterBytes(Form(), kLanguage, job)) != 0) {
        ShowWriteError();
        PrtLib_Close(lib);
        return;
    }
    const int feeds = InBuiltInList(lists::TrailingFeedModels, identity.Model) ? 3 : 0;
    if (trailer && feeds > 0) {
        for (int n = 0; n < feeds; ++n) {
            if (PrtLib_Write(lib, std::string_view("\r\n")) != 0) {
                ShowWriteError();
                break;
            }
        }
    }
    PrtLib_Close(lib);
}

} // namespace tolvane::diagnostics
