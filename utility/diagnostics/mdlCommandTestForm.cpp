// The command test's controls, texts, showing, input rules and closing.
#include "mdlCommandTest.h"

#include "mdlCommandTestAnsi.h"
#include "mdlCommandTestBytes.h"
#include "mdlFormLayout.h"
#include "mdlMessages.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib.h"

namespace tolvane::diagnostics {
namespace {

using params::TControlKind;
using params::Txt;
using K = TControlKind;

// Design positions in pixels, relative to the parent.
const params::TLayoutEntry kLayout[] = {
    {"tabCommandPages", K::Pages, "", 8, 8, 470, 250},
    {"P1", K::Page, "tabCommandPages", 0, 0, 466, 224},
    {"P2", K::Page, "tabCommandPages", 0, 0, 466, 224},
    {"P3", K::Page, "tabCommandPages", 0, 0, 466, 224},
    {"P4", K::Page, "tabCommandPages", 0, 0, 466, 224},
    {"P5", K::Page, "tabCommandPages", 0, 0, 466, 224},
    {"RE1", K::Memo, "P1", 4, 4, 456, 214},
    {"RE2", K::Memo, "P2", 4, 4, 456, 214},
    {"RE3", K::Memo, "P3", 4, 4, 456, 214},
    {"RE4", K::Memo, "P4", 4, 4, 456, 214},
    {"RE5", K::Memo, "P5", 4, 4, 456, 214},
    {"gpbDataType", K::Radio, "", 490, 8, 190, 50},
    {"btnLoadFile", K::Button, "", 490, 66, 190, 28},
    {"btnClearCurTab", K::Button, "", 490, 100, 92, 28},
    {"btnClearAllTab", K::Button, "", 588, 100, 92, 28},
    {"chkRecycle", K::Check, "", 490, 138, 190, 22},
    {"lblRecycleTerTime", K::Label, "", 490, 164, 100, 24},
    {"txtSleepTime", K::Edit, "", 594, 164, 86, 24},
    {"lblRecycleTimes", K::Label, "", 490, 192, 190, 22},
    {"chkSendAndRead", K::Check, "", 490, 220, 190, 22},
    {"lblReadDataLen", K::Label, "", 490, 246, 100, 24},
    {"txtReadLen", K::Edit, "", 594, 246, 86, 24},
    {"btnSend", K::Button, "", 490, 280, 92, 30},
    {"btnReadData", K::Button, "", 588, 280, 92, 30},
    {"txtLoadFileName", K::Edit, "", 8, 264, 470, 24},
    {"lblReadData", K::Label, "", 8, 294, 240, 22},
    {"lblSendTip", K::Label, "", 256, 294, 222, 22},
    {"txtReadData", K::Memo, "", 8, 318, 672, 150},
    {"btnClose", K::Button, "", 588, 476, 92, 30},
};

bool IsPage(std::string_view name) {
    return name.size() == 3 && name[0] == 'R' && name[1] == 'E' && name[2] >= '1' &&
           name[2] < '1' + TCommandTest::kPageCount;
}

} // namespace

TCommandTest::TCommandTest(params::TParaDialogContext context) : TActionDialogModel(std::move(context)) {
    BuildControls();
}

void TCommandTest::BuildControls() {
    params::TFormModel& form = Form();
    params::AddLayout(form, kLayout);
    form["tabCommandPages"].index = 0;
    for (int n = 1; n <= kPageCount; ++n) {
        form["P" + std::to_string(n)].text = std::to_string(n);
    }
    form["gpbDataType"].items = {"", ""};
    form["gpbDataType"].index = 1; // hexadecimal
    form["txtSleepTime"].text = "1000";
    form["txtSleepTime"].maxLength = 6;
    form["txtSleepTime"].enabled = false;
    form["txtReadLen"].text = "256";
    form["txtReadLen"].maxLength = 3;
    form["txtLoadFileName"].readOnly = true;
    form["txtReadData"].readOnly = true;
    form["lblSendTip"].visible = false;
    form["chkRecycle"].index = 0;
    form["chkSendAndRead"].index = 0;
    form.SetClientSize(688, 514);
}

void TCommandTest::FormCreate() {
    AddTimer("timSendTimer", 1000, [this] { timSendTimer(); });
    AddTimer("timHintTip", kHintMs, [this] { timHintTipTimer(); });
}

void TCommandTest::FormShow() {
    counter_ = 0;
    codePage_ = UiAnsiCodePage();
    InitLanguage();
    if (const int created = PrtLib_Create(TPrtLib::Tsprix, kPrinterModel); created != 0) {
        MessageSink().ShowError(LangText("_Err_CreatePrinter") + ":" + std::to_string(created),
                                LangText("_MSG_Title_Error"));
    }
}

void TCommandTest::InitLanguage() {
    params::TFormModel& form = Form();
    form.SetTitle(Txt("FormCommandTest_Caption"));
    const std::pair<const char*, const char*> texts[] = {
        {"btnLoadFile", "FormCommandTest_btnLoadFilee"},
        {"lblReadData", "FormCommandTest_lblReadData"},
        {"btnReadData", "FormCommandTest_btnReadData"},
        {"gpbDataType", "FormCommandTest_gpbDataType"},
        {"chkRecycle", "FormCommandTest_chkRecycle"},
        {"lblRecycleTerTime", "FormCommandTest_lblRecycleTerTime"},
        {"chkSendAndRead", "FormCommandTest_chkSendAndRead"},
        {"lblReadDataLen", "FormCommandTest_lblReadDataLen"},
        {"lblSendTip", "FormCommandTest_lblSendTip"},
        {"btnClearCurTab", "FormCommandTest_btnClearCurTab"},
        {"btnClearAllTab", "FormCommandTest_btnClearAllTab"},
        {"btnClose", "_Close"},
        {"btnSend", "FormCommandTest_btnSend1"},
    };
    for (const auto& [control, key] : texts) {
        form.SetText(control, Txt(key));
    }
    form.SetItems("gpbDataType", {Txt("FormCommandTest_rdoChar"), Txt("FormCommandTest_rdoHex")},
                  form["gpbDataType"].index);
    counterSuffix_ = Txt("FormCommandTest_lblRecycleTimes");
    ShowCounter();
}

void TCommandTest::FormDestroy() {
    StopTimer("timSendTimer");
    StopTimer("timHintTip");
    cycling_ = false;
    portOpen_ = false;
    PrtLib_Close(TPrtLib::Tsprix);
}

bool TCommandTest::HexFormat() const {
    return Form()["gpbDataType"].index == 1;
}

std::string TCommandTest::CurrentPage() const {
    const int index = Form()["tabCommandPages"].index;
    return "RE" + std::to_string(index >= 0 && index < kPageCount ? index + 1 : 1);
}

void TCommandTest::ShowCounter() {
    Form().SetText("lblRecycleTimes", std::to_string(counter_) + counterSuffix_);
}

// ---- input rules ----

bool TCommandTest::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool control = key == 8 || key == 13 || key == 127;
    const bool digit = key >= '0' && key <= '9';
    if (IsPage(edit)) {
        if (!HexFormat()) {
            return true;
        }
        return control || digit || key == ' ' || (key >= 'A' && key <= 'F') || (key >= 'a' && key <= 'f');
    }
    if (edit == "txtSleepTime" || edit == "txtReadLen") {
        return control || digit;
    }
    return true;
}

void TCommandTest::LeaveField(std::string_view edit) {
    params::TFormModel& form = Form();
    if (edit == "txtSleepTime") {
        form.SetText(edit, CheckedInterval(form[edit].text));
    } else if (edit == "txtReadLen") {
        form.SetText(edit, CheckedReadLength(form[edit].text));
    }
}

void TCommandTest::UserChanged(std::string_view control) {
    if (control == "gpbDataType") {
        CommandChange();
    } else if (control == "chkRecycle") {
        chkRecycleClick();
    }
}

void TCommandTest::chkRecycleClick() {
    Form().SetEnabled("txtSleepTime", Form()["chkRecycle"].index == 1 && !cycling_);
}

std::optional<params::TParaDialogModel::TFileQuestion>
TCommandTest::FileQuestion(std::string_view button) const {
    if (button == "btnLoadFile") {
        return TFileQuestion{false, "*.*|*.*", {}};
    }
    return std::nullopt;
}

void TCommandTest::ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath) {
    if (button == "btnSend") {
        btnSendClick();
    } else if (button == "btnReadData") {
        btnReadDataClick();
    } else if (button == "btnLoadFile") {
        if (chosenPath) {
            btnLoadFileClick(*chosenPath);
        }
    } else if (button == "btnClearCurTab") {
        btnClearCurTabClick();
    } else if (button == "btnClearAllTab") {
        btnClearAllTabClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

void TCommandTest::btnClearCurTabClick() {
    Form().SetText(CurrentPage(), {});
    Form().SetText("txtReadData", {});
}

void TCommandTest::btnClearAllTabClick() {
    for (int n = 1; n <= kPageCount; ++n) {
        Form().SetText("RE" + std::to_string(n), {});
    }
    Form().SetText("txtReadData", {});
}

void TCommandTest::timHintTipTimer() {
    StopTimer("timHintTip");
    Form().SetVisible("lblSendTip", false);
}

} // namespace tolvane::diagnostics
