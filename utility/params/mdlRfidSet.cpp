#include "mdlRfidSet.h"

#include "mdlArdelLength.h"
#include "mdlFormLayout.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace tolvane::params {
namespace {

using K = TControlKind;
constexpr int kRow = 24;

const TLayoutEntry kLayout[] = {
    {"lblRfidW", K::Label, "", 12, 12, 110, kRow},
    {"edtRfidW", K::Edit, "", 126, 12, 250, kRow},
    {"btnRfidW", K::Button, "", 384, 10, 90, 28},
    {"chkWR", K::Check, "", 384, 40, 200, kRow},
    {"lblRfidIpnutLen", K::Label, "", 126, 40, 250, kRow},
    {"lblRfidRLen", K::Label, "", 12, 70, 110, kRow},
    {"edtRfidRLen", K::Edit, "", 126, 70, 60, kRow},
    {"lblRfidR", K::Label, "", 12, 102, 110, kRow},
    {"edtRfidR", K::Edit, "", 126, 102, 250, kRow},
    {"btnRfidR", K::Button, "", 384, 100, 90, 28},
    {"lblTranPower", K::Label, "", 12, 144, 110, kRow},
    {"edtTranPower", K::Edit, "", 126, 144, 80, kRow},
    {"btnWTranPower", K::Button, "", 214, 142, 90, 28},
    {"lblRssiStrength", K::Label, "", 12, 176, 110, kRow},
    {"edtRssiStrength", K::Edit, "", 126, 176, 80, kRow},
    {"btnWRssiStrength", K::Button, "", 214, 174, 90, 28},
    {"lblRfidVersion", K::Label, "", 12, 208, 110, kRow},
    {"edtRfidVersion", K::Edit, "", 126, 208, 178, kRow},
    {"btnReadPara", K::Button, "", 384, 174, 150, 28},
    {"btnRfidLearn", K::Button, "", 384, 206, 150, 28},
    {"lblBusy", K::Label, "", 12, 240, 300, kRow},
    {"pnlC", K::Group, "", 8, 268, 575, 40},
    {"mmoInfo", K::List, "pnlC", 4, 4, 567, 32},
    {"btnClose", K::Button, "", 250, 318, 90, 30},
};

const char* const kCommandControls[] = {"edtRfidW",      "btnRfidW",        "chkWR",
                                        "edtRfidRLen",   "btnRfidR",        "edtTranPower",
                                        "btnWTranPower", "edtRssiStrength", "btnWRssiStrength",
                                        "btnReadPara",   "btnRfidLearn",    "btnClose"};

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// "NG" and a zero byte, or "error": the printer could not do it.
bool IsRefusal(const std::vector<uint8_t>& reply) {
    const std::string text = Text(reply);
    return (reply.size() == 3 && LowerAscii(text) == std::string("ng\0", 3)) ||
           (reply.size() == 5 && text == "error");
}

bool IsHexText(const std::string& text) {
    return !text.empty() && text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c));
    });
}

} // namespace

TRfidSet::TRfidSet(TParaDialogContext context) : TActionDialogModel(std::move(context)) {
    BuildControls();
}

void TRfidSet::BuildControls() {
    TFormModel& form = Form();
    AddLayout(form, kLayout);
    form["edtRfidW"].maxLength = 2 * kMaxTagBytes;
    form["edtRfidRLen"].maxLength = 2;
    form["edtRfidRLen"].text = std::to_string(kMaxTagBytes);
    form["edtTranPower"].maxLength = 3;
    form["edtRssiStrength"].maxLength = 3;
    form["edtRfidR"].readOnly = true;
    form["chkWR"].index = 0;
    form["mmoInfo"].visible = false;
    form["lblBusy"].visible = false;
    form.SetClientSize(591, 359);
    AddUnreadStatusLine(form);
}

void TRfidSet::FormCreate() {
    TFormModel& form = Form();
    form.SetTitle(Txt("Lang00010014"));
    const std::pair<const char*, const char*> captions[] = {
        {"lblRfidW", "Lang00010015"},         {"chkWR", "Lang00010016"},
        {"lblRfidRLen", "Lang00010017"},      {"lblRfidR", "Lang00010018"},
        {"lblTranPower", "Lang00010019"},     {"lblRssiStrength", "Lang00010020"},
        {"btnRfidW", "Lang00010021"},         {"btnWTranPower", "Lang00010021"},
        {"btnWRssiStrength", "Lang00010021"}, {"btnRfidR", "Lang00010022"},
        {"btnReadPara", "Lang00010022"},      {"btnClose", "Lang00010023"},
        {"btnRfidLearn", "Lang00010025"},     {"lblRfidVersion", "Lang_All_00210121_12"},
        {"lblBusy", "frmRfidSet_lblBusy"},
    };
    for (const auto& [control, key] : captions) {
        form.SetText(control, Txt(key));
    }
    form.SetReadOnly("edtRfidVersion", !IsIn(lists::RfidVersionModels));
    if (DebugMode()) {
        form.SetText("edtRfidW", "ABcd0123000043212222DCBA");
    }
    edtRfidWChange();
}

bool TRfidSet::IsIn(std::string_view list) const {
    return InBuiltInList(list, Context().model);
}

std::vector<std::string> TRfidSet::ParameterControls() const {
    std::vector<std::string> names = {"edtTranPower", "edtRssiStrength"};
    if (IsIn(lists::RfidVersionModels)) {
        names.emplace_back("edtRfidVersion");
    }
    return names;
}

// ---- input ----

bool TRfidSet::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool control = key == 8 || key == 13;
    const bool digit = key >= '0' && key <= '9';
    if (edit == "edtRfidW") {
        return digit || control || (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z');
    }
    if (edit == "edtRfidRLen") {
        return digit || control;
    }
    return true;
}

void TRfidSet::UserChanged(std::string_view control) {
    if (control == "edtRfidW") {
        edtRfidWChange();
    }
}

void TRfidSet::edtRfidWChange() {
    TFormModel& form = Form();
    std::string text = form["edtRfidW"].text;
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    if (text != form["edtRfidW"].text) {
        form.SetText("edtRfidW", text);
    }
    form.SetText("lblRfidIpnutLen",
                 text.size() % 2 == 1 ? "" : TxtWith("Lang00010007", std::to_string(text.size() / 2)));
}

void TRfidSet::pnlCDblClick() {
    Form().SetVisible("mmoInfo", !Form()["mmoInfo"].visible);
}

void TRfidSet::Trace(const std::string& text) {
    TFormModel& form = Form();
    if (form["mmoInfo"].items.size() > static_cast<std::size_t>(kMaxTraceLines)) {
        form.SetItems("mmoInfo", {}, -1);
    }
    char number[8];
    std::snprintf(number, sizeof number, "%03d", ++TraceNumber % 1000);
    form.AddItem("mmoInfo", std::string(number) + ":" + text);
}

void TRfidSet::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnRfidR") {
        btnRfidRClick();
    } else if (button == "btnRfidW") {
        btnRfidWClick();
    } else if (button == "btnWTranPower") {
        btnWTranPowerClick();
    } else if (button == "btnWRssiStrength") {
        btnWRssiStrengthClick();
    } else if (button == "btnReadPara") {
        btnReadParaClick();
    } else if (button == "btnRfidLearn") {
        btnRfidLearnClick();
    } else if (button == "pnlC") {
        pnlCDblClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

// ---- the command frame ----

std::string TRfidSet::ReadCommand() const {
    return "r,h,2,1," + std::to_string(ReadLength);
}

std::string TRfidSet::WriteCommand() const {
    return "w,h,2,1," + Form()["edtRfidW"].text;
}

std::string TRfidSet::WriteAndReadCommand() const {
    return "s,h,2,1," + std::to_string(ReadLength) + "," + Form()["edtRfidW"].text;
}

bool TRfidSet::ValidReadLength() {
    const std::optional<long> length = ParseSmallInteger(Trim(Form()["edtRfidRLen"].text));
    if (!length || *length < 1 || *length > kMaxTagBytes) {
        ShowErrorBox(TxtWith("Lang00010001", std::to_string(kMaxTagBytes)));
        return false;
    }
    ReadLength = static_cast<int>(*length);
    return true;
}

bool TRfidSet::BeginCommand(const char*) {
    TFormModel& form = Form();
    for (const char* control : kCommandControls) {
        form.SetEnabled(control, false);
    }
    form.SetVisible("lblBusy", true);
    if (!PrtLib_BeginCommand()) {
        EndCommand(nullptr);
        return false;
    }
    DiscardPending();
    return true;
}

void TRfidSet::EndCommand(const char*) {
    TFormModel& form = Form();
    PrtLib_EndCommand();
    for (const char* control : kCommandControls) {
        form.SetEnabled(control, true);
    }
    form.SetVisible("lblBusy", false);
}

void TRfidSet::DiscardPending() {
    int result = 0;
    const std::vector<uint8_t> pending = ReadOnce(kTextReplySize, result);
    if (!pending.empty()) {
        Trace(Text(pending));
    }
}

bool TRfidSet::SendTagValue(const std::string& value, const std::string& failureKey) {
    Trace("rfid_wr " + value);
    if (CmdSetVal(QuoteKey("rfid_wr"), value) != 0) {
        ShowErrorBox(Txt(failureKey));
        return false;
    }
    return true;
}

bool TRfidSet::SendCpclLines(const std::string& failureKey) {
    if ((IsIn(lists::RfidCpclHeaderModels) && !WriteFrame("! 0 200 200 240 1\r\n")) ||
        (IsIn(lists::RfidCpclPrintModels) && !WriteFrame("PRINT\r\n"))) {
        ShowErrorBox(Txt(failureKey));
        return false;
    }
    return true;
}

bool TRfidSet::SendTagCommand(TTagCommand command, const std::string& failureKey) {
    if (CmdDoMaybe(QuoteKey("rfid_print"), false) != 0 ||
        (!IsIn(lists::RfidNoClsModels) && !WriteFrame("CLS\r\n"))) {
        ShowErrorBox(Txt(failureKey));
        return false;
    }
    const std::string value = command == TTagCommand::Read    ? ReadCommand()
                              : command == TTagCommand::Write ? WriteCommand()
                                                              : WriteAndReadCommand();
    return SendTagValue(value, failureKey) && SendCpclLines(failureKey);
}

std::vector<uint8_t> TRfidSet::Poll(int forMs) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(forMs);
    for (;;) {
        int result = 0;
        std::vector<uint8_t> reply = ReadOnce(kTextReplySize, result);
        if (!reply.empty() || std::chrono::steady_clock::now() >= until) {
            return reply;
        }
        PauseMs(Times.pollStepMs);
    }
}

// ---- the commands ----

bool TRfidSet::btnRfidRClick() {
    if (!ValidReadLength() || !BeginCommand("btnRfidR")) {
        return false;
    }
    bool done = false;
    if (SendTagCommand(TTagCommand::Read, "Lang00010002")) {
        PauseMs(Times.readWaitMs);
        const std::vector<uint8_t> reply = Poll(Times.readPollMs);
        if (reply.empty() || IsRefusal(reply)) {
            ShowErrorBox(Txt("Lang00010002"));
        } else {
            Form().SetText("edtRfidR", Text(reply));
            Trace(Text(reply));
            ShowInfo(Txt("Lang00010003"));
            done = true;
        }
        DiscardPending();
    }
    EndCommand("btnRfidR");
    return done;
}

bool TRfidSet::btnRfidWClick() {
    TFormModel& form = Form();
    const bool writeAndRead = form["chkWR"].index == 1;
    if (writeAndRead) {
        form.SetText("edtRfidR", "");
    }
    edtRfidWChange();
    if (!ValidReadLength()) {
        return false;
    }
    // The tag takes whole bytes: an even number of hexadecimal digits.
    if (!IsHexText(form["edtRfidW"].text)) {
        ShowErrorBox(Txt("Lang00010004") + ": " + form["lblRfidIpnutLen"].text);
        return false;
    }
    if (!BeginCommand("btnRfidW")) {
        return false;
    }
    const bool done = writeAndRead ? WriteAndRead() : WriteOnly();
    EndCommand("btnRfidW");
    return done;
}

bool TRfidSet::WriteOnly() {
    if (!SendTagCommand(TTagCommand::Write, "Lang00010004")) {
        return false;
    }
    PauseMs(Times.writeWaitMs);
    int result = 0;
    const std::vector<uint8_t> reply = ReadOnce(6, result);
    const std::string text = Text(reply);
    const std::string lower = LowerAscii(text);
    if (reply.size() == 6 && lower == std::string("ok\0ok\0", 6)) {
        ShowInfo(Txt("Lang00010005"));
        return true;
    }
    if (reply.size() == 6 && lower == std::string("ng\0ng\0", 6)) {
        ShowErrorBox(Txt("Lang00010004"));
        return false;
    }
    if (reply.size() >= 2 && text.compare(0, 2, "ok") == 0) {
        ShowInfo(Txt("Lang00010005"));
        return true;
    }
    if (reply.size() >= 2 && text.compare(0, 2, "NG") == 0) {
        ShowErrorBox(Txt("Lang00010004"));
        return false;
    }
    ShowInfo(Txt("Lang00010006"));
    return false;
}

bool TRfidSet::WriteAndRead() {
    const std::string written = Form()["edtRfidW"].text;
    std::vector<uint8_t> reply;
    if (IsIn(lists::RfidTwoStepModels)) {
        if (CmdDoMaybe(QuoteKey("rfid_print"), false) != 0 ||
            (!IsIn(lists::RfidNoClsModels) && !WriteFrame("CLS\r\n"))) {
            ShowErrorBox(Txt("Lang00010004"));
            return false;
        }
        if (!SendTagValue(WriteCommand(), "Lang00010004") || !SendTagValue(ReadCommand(), "Lang00010004")) {
            return false;
        }
        PauseMs(Times.writeWaitMs);
        if (!SendCpclLines("Lang00010004")) {
            return false;
        }
        // The write's own acknowledgement ("ok", zero bytes) may come first:
        // the tag's data is what follows its last zero byte.
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(Times.twoStepPollMs);
        std::vector<uint8_t> all;
        for (;;) {
            int result = 0;
            const std::vector<uint8_t> more = ReadOnce(kTextReplySize, result);
            all.insert(all.end(), more.begin(), more.end());
            const auto zero = std::find(all.rbegin(), all.rend(), uint8_t{0});
            reply.assign(zero.base(), all.end());
            if (IsRefusal(all) || IsRefusal(reply) || !reply.empty() ||
                std::chrono::steady_clock::now() >= until) {
                if (IsRefusal(all)) {
                    reply = all;
                }
                break;
            }
            PauseMs(Times.pollStepMs);
        }
    } else {
        if (!SendTagCommand(TTagCommand::WriteAndRead, "Lang00010004")) {
            return false;
        }
        PauseMs(Times.readWaitMs);
        reply = Poll(Times.readPollMs);
    }
    if (reply.empty()) {
        ShowInfo(Txt("Lang00010006"));
        return false;
    }
    if (IsRefusal(reply)) {
        ShowErrorBox(Txt("Lang00010004"));
        return false;
    }
    Form().SetText("edtRfidR", Text(reply));
    Trace(Text(reply));
    // What was read back must be what was written.
    if (LowerAscii(Text(reply)) == LowerAscii(written)) {
        ShowInfo(Txt("Lang00010005"));
        return true;
    }
    ShowErrorBox(Txt("Lang00010004"));
    return false;
}

bool TRfidSet::WriteLevel(const char* field, const char* key, int max, const char* rangeKey,
                          const char* button) {
    const std::string text = Trim(Form()[field].text);
    const std::optional<long> value = ParseSmallInteger(text);
    if (!value || *value < 0 || *value > max) {
        ShowInfo(TxtFilled(rangeKey, {"0", std::to_string(max)}));
        return false;
    }
    if (!BeginCommand(button)) {
        return false;
    }
    bool done = false;
    if (CmdSetVal(QuoteKey(key), text) != 0) {
        ShowErrorBox(Txt("Lang00010008"));
    } else {
        PauseMs(Times.levelAnswerWaitMs);
        int result = 0;
        const std::string reply = Text(ReadOnce(kTextReplySize, result));
        Trace(reply);
        done = LowerAscii(reply) == "ok";
        ShowInfo(Txt(done ? "Lang00010005" : "Lang00010009"));
    }
    EndCommand(button);
    return done;
}

bool TRfidSet::btnWTranPowerClick() {
    return WriteLevel("edtTranPower", "rfid_power_level", kPowerMax, "Lang00010011", "btnWTranPower");
}

bool TRfidSet::btnWRssiStrengthClick() {
    return WriteLevel("edtRssiStrength", "rfid_rssi_level", kRssiMax, "Lang00010012", "btnWRssiStrength");
}

bool TRfidSet::btnReadParaClick() {
    if (!BeginCommand("btnReadPara")) {
        return false;
    }
    TFormModel& form = Form();
    // A reply that is no value of its field (none, or a level out of its
    // range) leaves the field empty, so that its write button cannot send
    // what the printer did not report.
    ReadNumberText(form, "edtTranPower", CmdGetValWait(QuoteKey("rfid_power_level"), Times.paramReadWaitMs),
                   0, kPowerMax);
    ReadNumberText(form, "edtRssiStrength", CmdGetValWait(QuoteKey("rfid_rssi_level"), Times.paramReadWaitMs),
                   0, kRssiMax);
    if (IsIn(lists::RfidVersionModels)) {
        ReadEditText(form, "edtRfidVersion", CmdGetValWait(QuoteKey("rfid_version"), Times.paramReadWaitMs));
    }
    EndCommand("btnReadPara");
    // The status line names what was not read; a read that gave nothing at
    // all is an error.
    ShowUnreadStatusLine(*this);
    const std::size_t unread = UnreadControls(*this).size();
    if (unread == ParameterControls().size()) {
        ShowReadError();
    }
    return unread == 0;
}

bool TRfidSet::btnRfidLearnClick() {
    if (!BeginCommand("btnRfidLearn")) {
        return false;
    }
    const bool done = CmdDoMaybe(QuoteKey("rfid_calibrate"), false) == 0;
    if (done) {
        ShowInfo(Txt("Lang00010010"));
    } else {
        ShowErrorBox(Txt("Lang00010008"));
    }
    EndCommand("btnRfidLearn");
    return done;
}

} // namespace tolvane::params
