// The Quistel dialog: controls, the read, the checks and "Set".
#include "mdlParaSetQuistel.h"

#include "mdlArdelLength.h"
#include "mdlFormLayout.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"
#include "mdlPrtKeys.h"

#include <algorithm>

namespace tolvane::params {
namespace {

using K = TControlKind;
constexpr int kRow = 24;
constexpr uint8_t kGroup = 1;

const TLayoutEntry kLayout[] = {
    {"gpbParameters", K::Group, "", 8, 8, 460, 388},
    {"lblDensity", K::Label, "gpbParameters", 8, 24, 180, kRow},
    {"cmbDensity", K::List, "gpbParameters", 192, 24, 180, kRow},
    {"lblPrintSpeed", K::Label, "gpbParameters", 8, 56, 180, kRow},
    {"cmbPrintSpeed", K::List, "gpbParameters", 192, 56, 180, kRow},
    {"lblBaudRate", K::Label, "gpbParameters", 8, 88, 180, kRow},
    {"cmbBaudRate", K::List, "gpbParameters", 192, 88, 180, kRow},
    {"lblBuzzerSound", K::Label, "gpbParameters", 8, 120, 180, kRow},
    {"cmbBuzzerSound", K::List, "gpbParameters", 192, 120, 180, kRow},
    {"lblBackLight", K::Label, "gpbParameters", 8, 152, 180, kRow},
    {"cmbBackLight", K::List, "gpbParameters", 192, 152, 180, kRow},
    {"lblPrintToStop", K::Label, "gpbParameters", 8, 184, 180, kRow},
    {"txtPrintToStop", K::Edit, "gpbParameters", 192, 184, 80, kRow},
    {"lblPrintToStopRange", K::Label, "gpbParameters", 278, 184, 170, kRow},
    {"lblRePrintSwitch", K::Label, "gpbParameters", 8, 216, 180, kRow},
    {"cmbRePrintSwitch", K::List, "gpbParameters", 192, 216, 180, kRow},
    {"lblPaperMode", K::Label, "gpbParameters", 8, 248, 180, kRow},
    {"cmbPaperMode", K::List, "gpbParameters", 192, 248, 180, kRow},
    {"lblCutters", K::Label, "gpbParameters", 8, 280, 180, kRow},
    {"cmbCutters", K::List, "gpbParameters", 192, 280, 180, kRow},
    {"lblReleasePaper", K::Label, "gpbParameters", 8, 312, 180, kRow},
    {"cmbReleasePaper", K::List, "gpbParameters", 192, 312, 180, kRow},
    {"lblMinStudyPaperLength", K::Label, "gpbParameters", 8, 344, 180, kRow},
    {"txtMinStudyPaperLength", K::Edit, "gpbParameters", 192, 344, 80, kRow},
    {"btnSet", K::Button, "", 260, 408, 96, 30},
    {"btnClose", K::Button, "", 364, 408, 96, 30},
};

// The rows that are not always there, with their controls.
struct TOptionalRow {
    const char* label;
    const char* input;
    bool TParaSetQuistel::*applies;
};
const TOptionalRow kOptionalRows[] = {
    {"lblRePrintSwitch", "cmbRePrintSwitch", &TParaSetQuistel::RePrintRowApplies},
    {"lblPaperMode", "cmbPaperMode", &TParaSetQuistel::PaperModeRowApplies},
    {"lblCutters", "cmbCutters", &TParaSetQuistel::CutterRowApplies},
    {"lblReleasePaper", "cmbReleasePaper", &TParaSetQuistel::ReleasePaperSupported},
    {"lblMinStudyPaperLength", "txtMinStudyPaperLength", &TParaSetQuistel::MinLengthRowApplies},
};

std::vector<std::string> Values(const TNameValues& list) {
    std::vector<std::string> values;
    for (const auto& [name, value] : list) {
        values.push_back(value);
    }
    return values;
}

uint8_t UserGroup() {
    return static_cast<uint8_t>(NormalUser());
}

// The entry at the printer's position; none when the position is outside
// the list, so that a value the printer did not report is never written back.
void ReadPosition(TFormModel& form, std::string_view list, int position) {
    const int count = static_cast<int>(form[list].items.size());
    form.SetIndex(list, position >= 0 && position < count ? position : -1);
}

// The entry a name=value list gives for the printer's number; none when the
// number is no name of the list.
void ReadByName(TFormModel& form, std::string_view list, const TNameValues& names, int number) {
    std::string value;
    if (!FindValueByName(names, std::to_string(number), value) || !SelectItemByExactText(form, list, value)) {
        form.SetIndex(list, -1);
    }
}

} // namespace

TParaSetQuistel::TParaSetQuistel(TParaDialogContext context) : TParaDialogModel(std::move(context)) {
    BuildControls();
}

void TParaSetQuistel::BuildControls() {
    TFormModel& form = Form();
    AddLayout(form, kLayout);
    form["txtPrintToStop"].maxLength = 3;
    form["txtMinStudyPaperLength"].maxLength = 5;
    form["cmbBaudRate"].items = {"9600", "19200", "38400", "57600", "115200"};
    form["cmbBaudRate"].index = 0;
    std::vector<std::string> density;
    for (int n = 0; n <= 15; ++n) {
        density.push_back(std::to_string(n));
    }
    form["cmbDensity"].items = std::move(density);
    form["cmbDensity"].index = 0;
    form.SetClientSize(476, 448);
    AddUnreadStatusLine(form);
}

bool TParaSetQuistel::SignedStopWord() const {
    const std::string& model = Context().model;
    return model == "Quistel" || model == "Quistel-C";
}

void TParaSetQuistel::FormShow() {
    TFormModel& form = Form();
    const std::string& model = Context().model;
    RePrintRowApplies = Permission("0125000001") == 1 || IsQuistelC();
    PaperModeRowApplies = Permission("0121000001") == 1 || IsQuistelC();
    CutterRowApplies = IsQuistelC();
    ReleasePaperSupported = Permission("0135000001") == 1 || InBuiltInList(lists::ReleasePaperModels, model);
    // The minimum learning length belongs to the paper learning that the
    // paper-mode row sets up.
    MinLengthRowApplies = PaperModeRowApplies;
    InitLanguage();
    for (const TOptionalRow& row : kOptionalRows) {
        form.SetVisible(row.label, this->*row.applies);
        form.SetVisible(row.input, this->*row.applies);
    }
    FillSpeedList(form, "cmbPrintSpeed", model);
    if (!Offline) {
        kivhe8v();
    }
}

void TParaSetQuistel::InitLanguage() {
    TFormModel& form = Form();
    form.SetTitle(Txt("_ParaSet"));
    const std::pair<const char*, const char*> captions[] = {
        {"gpbParameters", "Lang_All_00210091_11"},
        {"lblDensity", "FormParaSet_Tramwe_lblDensity"},
        {"lblPrintSpeed", "FormParaSet_Dovrin_lblPrintSpeed"},
        {"lblBaudRate", "FormParaSet_Kavo_lblBaudRate"},
        {"lblBuzzerSound", "FormParaSet_Quistel_lblBuzzerSound"},
        {"lblBackLight", "FormParaSet_Quistel_lblBackLight"},
        {"lblPrintToStop", "FormParaSet_Miro_lblPrintToStop"},
        {"lblRePrintSwitch", "FormParaSet_Tramwe_gpbReprintWhenError"},
        {"lblPaperMode", "FormParaSet_Tramwe_lblJudgePaperMode"},
        {"lblCutters", "FormParaSet_Quistel_lblCutters"},
        {"lblReleasePaper", "Lang_All_00210024_11"},
        {"lblMinStudyPaperLength", "FormParaSet_Quistel_lblMinStudyPaperLength"},
        {"btnSet", "_Set"},
        {"btnClose", "_Close"},
    };
    for (const auto& [control, key] : captions) {
        form.SetText(control, Txt(key));
    }
    form.SetText("lblPrintToStopRange", Txt("FormParaSet_Quistel_lblPrintToStopRange"));
    const std::vector<std::string> offOn = {Txt("FormParaSet_Dovrin_close"), Txt("FormParaSet_Dovrin_open")};
    form.SetItems("cmbBuzzerSound", offOn, 0);
    form.SetItems("cmbBackLight", offOn, 0);
    RePrintList = {{"1", Txt("Lang_All_00210107_11")}, {"0", Txt("Lang_All_00210108_11")}};
    CutterList = {{"0", Txt("FormParaSet_Dovrin_close")}, {"1", Txt("FormParaSet_Dovrin_open")}};
    PaperModeList = {{"0", Txt("Lang_All_00210094_11")},
                     {"1", Txt("Lang_All_00210094_13")},
                     {"2", Txt("Lang_All_00210094_12")}};
    BuildReleasePaperList(Context().listName, ReleasePaperList);
    form.SetItems("cmbRePrintSwitch", Values(RePrintList), 0);
    form.SetItems("cmbCutters", Values(CutterList), 0);
    form.SetItems("cmbPaperMode", Values(PaperModeList), 0);
    form.SetItems("cmbReleasePaper", Values(ReleasePaperList), 0);
}

void TParaSetQuistel::kivhe8v() {
    // Every control starts empty: one whose reply is no usable value stays
    // empty, is named in the status line and is not written by "Set".
    ClearParameterValues(*this);
    ReadKeys();
    ShowUnreadStatusLine(*this);
}

bool TParaSetQuistel::ReadKeys() {
    TFormModel& form = Form();
    const uint8_t user = UserGroup();
    uint8_t value = 0;
    int16_t word = 0;
    // A key the printer does not answer ends the read with its error: a
    // printer that went away or fell silent answers none of the keys after
    // it either, and each would only wait for nothing.
    const auto unanswered = [&form](const char* control) {
        ShowErrorBox(TxtWith("Lang_All_00010011_11", ControlCaption(form, control)));
        return false;
    };
    const auto byte = [&](uint8_t group, uint16_t key) { return KeyGetByte(group, key, value) == 1; };
    const auto twoBytes = [&](uint8_t group, uint16_t key) { return KeyGetWord(group, key, word) == 2; };

    if (!byte(kGroup, 203)) {
        return unanswered("cmbDensity");
    }
    ReadPosition(form, "cmbDensity", value);
    if (!byte(kGroup, 202)) {
        return unanswered("cmbPrintSpeed");
    }
    ReadListEntry(form, "cmbPrintSpeed", std::to_string(value));
    const std::pair<uint16_t, const char*> positions[] = {
        {108, "cmbBaudRate"}, {404, "cmbBuzzerSound"}, {414, "cmbBackLight"}};
    for (const auto& [key, list] : positions) {
        if (!byte(kGroup, key)) {
            return unanswered(list);
        }
        ReadPosition(form, list, value);
    }
    if (!twoBytes(kGroup, 208)) {
        return unanswered("txtPrintToStop");
    }
    ReadNumberText(form, "txtPrintToStop", std::to_string(word), -kStopLimit, kStopLimit);
    const struct {
        bool applies;
        uint16_t key;
        const char* list;
        const TNameValues& names;
    } named[] = {
        {RePrintRowApplies, 236, "cmbRePrintSwitch", RePrintList},
        {CutterRowApplies, 213, "cmbCutters", CutterList},
        {PaperModeRowApplies, 206, "cmbPaperMode", PaperModeList},
        {ReleasePaperSupported, 416, "cmbReleasePaper", ReleasePaperList},
    };
    for (const auto& row : named) {
        if (!row.applies) {
            continue;
        }
        if (!byte(user, row.key)) {
            return unanswered(row.list);
        }
        ReadByName(form, row.list, row.names, value);
    }
    if (MinLengthRowApplies) {
        if (!twoBytes(user, 238)) {
            return unanswered("txtMinStudyPaperLength");
        }
        form.SetText("txtMinStudyPaperLength", std::to_string(static_cast<uint16_t>(word)));
    }
    return true;
}

bool TParaSetQuistel::ValidateEntries() {
    const TFormModel& form = Form();
    // A field is checked only when it is written, that is when it holds a value.
    if (HasValue(form, "txtPrintToStop")) {
        const std::optional<long> stop = ParseSmallInteger(Trim(form["txtPrintToStop"].text));
        if (!stop || *stop < -kStopLimit || *stop > kStopLimit) {
            ShowErrorBox(TxtWith("FormParaSet_Quistel_msgBadValue", form["lblPrintToStop"].text));
            return false;
        }
    }
    if (MinLengthRowApplies && HasValue(form, "txtMinStudyPaperLength")) {
        const std::optional<long> length = ParseSmallInteger(Trim(form["txtMinStudyPaperLength"].text));
        if (!length || *length < 0 || *length > 65535) {
            ShowErrorBox(TxtWith("FormParaSet_Quistel_msgBadValue", form["lblMinStudyPaperLength"].text));
            return false;
        }
    }
    return true;
}

bool TParaSetQuistel::WriteAll() {
    const TFormModel& form = Form();
    const uint8_t user = UserGroup();
    const auto failed = [&form](const char* label) {
        ShowErrorBox(TxtWith("Lang_All_00010013_11", form[label].text));
        return false;
    };
    // Only a control that holds a value (read, or given by the user) is
    // written; an empty one is left as the printer has it.
    const auto held = [&form](const char* control) { return HasValue(form, control); };
    const auto position = [&form](const char* list) { return static_cast<uint8_t>(form[list].index); };
    const auto named = [&form](const char* list, const TNameValues& names, uint8_t& out) {
        std::string name;
        if (!FindNameByValue(names, form[list].SelectedText(), name)) {
            return false;
        }
        const long number = ParseSmallInteger(name).value_or(-1);
        if (number < 0 || number > 255) {
            return false;
        }
        out = static_cast<uint8_t>(number);
        return true;
    };
    if (held("cmbDensity") && KeySetByte(kGroup, 203, position("cmbDensity")) != 0) {
        return failed("lblDensity");
    }
    if (held("cmbPrintSpeed")) {
        const std::optional<long> speed = ParseSmallInteger(form["cmbPrintSpeed"].SelectedText());
        if (!speed || KeySetByte(kGroup, 202, static_cast<uint8_t>(std::clamp(*speed, 0L, 255L))) != 0) {
            return failed("lblPrintSpeed");
        }
    }
    const std::pair<uint16_t, std::pair<const char*, const char*>> positions[] = {
        {108, {"cmbBaudRate", "lblBaudRate"}},
        {404, {"cmbBuzzerSound", "lblBuzzerSound"}},
        {414, {"cmbBackLight", "lblBackLight"}}};
    for (const auto& [key, listAndLabel] : positions) {
        if (held(listAndLabel.first) && KeySetByte(kGroup, key, position(listAndLabel.first)) != 0) {
            return failed(listAndLabel.second);
        }
    }
    if (held("txtPrintToStop")) {
        const int stop = static_cast<int>(ParseSmallInteger(Trim(form["txtPrintToStop"].text)).value_or(0));
        if ((SignedStopWord() ? KeySetWordSigned(kGroup, 208, stop) : KeySetWord(kGroup, 208, stop)) != 0) {
            return failed("lblPrintToStop");
        }
    }
    const struct {
        bool applies;
        uint16_t key;
        const char* list;
        const char* label;
        const TNameValues& names;
    } namedRows[] = {
        {RePrintRowApplies, 236, "cmbRePrintSwitch", "lblRePrintSwitch", RePrintList},
        {PaperModeRowApplies, 206, "cmbPaperMode", "lblPaperMode", PaperModeList},
        {CutterRowApplies, 213, "cmbCutters", "lblCutters", CutterList},
        {ReleasePaperSupported, 416, "cmbReleasePaper", "lblReleasePaper", ReleasePaperList},
    };
    uint8_t value = 0;
    for (const auto& row : namedRows) {
        if (row.applies && held(row.list) &&
            (!named(row.list, row.names, value) || KeySetByte(user, row.key, value) != 0)) {
            return failed(row.label);
        }
    }
    if (MinLengthRowApplies && held("txtMinStudyPaperLength")) {
        const long length = ParseSmallInteger(Trim(form["txtMinStudyPaperLength"].text)).value_or(0);
        if (KeySetWord(user, 238, static_cast<int>(length)) != 0) {
            return failed("lblMinStudyPaperLength");
        }
    }
    return true;
}

void TParaSetQuistel::btnSetClick() {
    // Nothing read and nothing given: nothing is written, the printer is
    // not restarted, and no success is reported.
    if (!AnyValueToWrite(*this)) {
        ShowNothingToSet();
        return;
    }
    if (!ValidateEntries() || !PrtLib_BeginCommand()) {
        return;
    }
    const bool written = WriteAll();
    PrtLib_EndCommand();
    if (!written) {
        return;
    }
    ConfirmSet(CmdDo(QuoteKey("reset_printer")) == 0);
}

std::vector<std::string> TParaSetQuistel::ParameterControls() const {
    return {"cmbDensity",   "cmbPrintSpeed",   "cmbBaudRate",           "cmbBuzzerSound",
            "cmbBackLight", "txtPrintToStop",  "cmbRePrintSwitch",      "cmbCutters",
            "cmbPaperMode", "cmbReleasePaper", "txtMinStudyPaperLength"};
}

bool TParaSetQuistel::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool base = (key >= '0' && key <= '9') || key == 8 || key == 13 || key == 127;
    return edit == "txtPrintToStop" ? base || key == '-' : base;
}

void TParaSetQuistel::LeaveField(std::string_view edit) {
    if (edit != "txtPrintToStop") {
        return;
    }
    TFormModel& form = Form();
    // A field left empty holds no value and stays so: it is not written.
    if (!HasValue(form, edit)) {
        return;
    }
    const std::optional<long> value = ParseSmallInteger(Trim(form[edit].text));
    if (!value) {
        form.SetText(edit, "0");
    } else if (*value > kStopLimit) {
        form.SetText(edit, std::to_string(kStopLimit));
    } else if (*value < -kStopLimit) {
        form.SetText(edit, "-" + std::to_string(kStopLimit));
    }
}

void TParaSetQuistel::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnSet") {
        btnSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

} // namespace tolvane::params
