// The Miro dialog's exchanges: the read of the numbered keys, "Set", and
// the handlers of its fields.
#include "mdlArdelLength.h"
#include "mdlDebugLog.h"
#include "mdlGlobal_Permission.h"
#include "mdlHexText.h"
#include "mdlMessageBoxes.h"
#include "mdlParaSetMiro.h"

#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"
#include "mdlPrtKeys.h"

#include <algorithm>
#include <array>

namespace tolvane::params {
namespace {

constexpr uint8_t kGroup = 1;
// The stop position travels in dots, eight to the millimetre, as a signed word.
constexpr int kDotsPerMm = 8;

uint8_t UserGroup() {
    return static_cast<uint8_t>(NormalUser());
}

// Selects the entry equal to `text` exactly; none when no entry is, so
// that a value the printer did not report is never written back.
void SetComboBoxItemByText(TFormModel& form, std::string_view list, const std::string& text) {
    if (text.empty() || !SelectItemByExactText(form, list, text)) {
        form.SetIndex(list, -1);
    }
}

// Selects the value that a name=value list gives for the printer's number.
void SelectByName(TFormModel& form, std::string_view list, const TNameValues& names, int number) {
    std::string value;
    FindValueByName(names, std::to_string(number), value);
    SetComboBoxItemByText(form, list, value);
}

// The number that a name=value list gives for the selected entry.
std::optional<long> SelectedName(const TFormModel& form, std::string_view list, const TNameValues& names) {
    std::string name;
    if (!FindNameByValue(names, form[list].SelectedText(), name)) {
        return std::nullopt;
    }
    return ParseSmallInteger(name);
}

std::optional<long> SelectedNumber(const TFormModel& form, std::string_view list) {
    return ParseSmallInteger(form[list].SelectedText());
}

uint8_t Byte(long value) {
    return static_cast<uint8_t>(std::clamp(value, 0L, 255L));
}

} // namespace

bool TParaSetMiro::ReadAddress(uint16_t key, const char* field) {
    std::vector<uint8_t> bytes;
    if (KeyGetBytes(UserGroup(), key, 4, bytes) != 4) {
        return false;
    }
    for (int n = 0; n < 4; ++n) {
        Form().SetText(field + std::to_string(n + 1), std::to_string(bytes[static_cast<std::size_t>(n)]));
    }
    return true;
}

void TParaSetMiro::ReadParam() {
    TFormModel& form = Form();
    // Every control starts empty: one the read gives no usable value for
    // (the read stops at the first failure) stays empty and is not written.
    ClearParameterValues(*this);
    SimplePairingKnown = false;
    // What the printer still had to say is discarded (and logged).
    int result = 0;
    const std::vector<uint8_t> pending = ReadOnce(kTextReplySize, result);
    if (!pending.empty()) {
        WriteDebugLog("Miro pending: " + BytesToHex(pending, 0, pending.size() - 1));
    }
    const uint8_t user = UserGroup();
    uint8_t value = 0;
    // Each step gives false when its read failed, which ends the read.
    // A failed read means the printer stopped answering: the read error box
    // says so, and what is left stays empty and is not written.
    const auto byte = [&](uint16_t key) { return KeyGetByte(user, key, value) == 1; };
    if (BluetoothShown) {
        ReadEditText(form, "txtBTName", KeyGetText(user, 104, 12));
        ReadEditText(form, "txtBTPWD", KeyGetText(user, 105, 6).substr(0, 4));
        if (!byte(106)) {
            return ShowReadError();
        }
        form.SetIndex("chkSimplePairing", value == 0 ? 1 : 0);
        SimplePairingKnown = true;
    }
    if (!byte(206)) {
        return ShowReadError();
    }
    form.SetIndex("cmbDetectMode", value <= 2 ? DetectModePosition(value) : -1);
    if (!byte(203)) {
        return ShowReadError();
    }
    SetComboBoxItemByText(form, "cmbDensity", std::to_string(value));
    if (!byte(202)) {
        return ShowReadError();
    }
    SetComboBoxItemByText(form, "cmbPrintSpeed", std::to_string(value));
    if (HeatingTimeShown) {
        if (!byte(240)) {
            return ShowReadError();
        }
        SelectByName(form, "cmbFinetuneHeatingTime", HeatingTimeList, value);
    }
    if (EthernetShown) {
        if (EthernetSwitchOffered) {
            if (!byte(131)) {
                return ShowReadError();
            }
            form.SetIndex("cmbNetSwitch", value < form["cmbNetSwitch"].items.size() ? value : -1);
        }
        if (!byte(100)) {
            return ShowReadError();
        }
        SelectByName(form, "cmbDHCP", DhcpList, value);
        cmbDHCPChange();
        if (!ReadAddress(101, "txtIP") || !ReadAddress(102, "txtSubnet") || !ReadAddress(103, "txtGateway")) {
            return ShowReadError();
        }
    }
    int16_t word = 0;
    if (KeyGetWord(user, 208, word) != 2) {
        return ShowReadError();
    }
    form.SetText("txtPrintToStop", std::to_string(word / kDotsPerMm));
    if (ReleasePaperSupported) {
        if (!byte(416)) {
            ShowErrorBox(TxtWith("Lang_All_00010011_11", Txt("Lang_All_00210024_11")));
            return;
        }
        SelectByName(form, "cmbReleasePaper", ReleasePaperList, value);
    }
    if (CodePageRowApplies()) {
        if (KeyGetWord(user, 322, word) != 2) {
            return ShowReadError();
        }
        SelectByName(form, "cmbCodepage", CodePageNames, static_cast<uint16_t>(word));
    }
}

void TParaSetMiro::btnSetClick() {
    TFormModel& form = Form();
    // The PIN is checked only when it is written, that is when it holds one.
    if (BluetoothShown && HasValue(form, "txtBTPWD") && Trim(form["txtBTPWD"].text).size() != 4) {
        ShowErrorBox(Txt("_Err_BTPWD_Len"));
        return;
    }
    // Nothing read and nothing changed: nothing is sent, not even the save.
    if (!AnyValueToWrite(*this) && !SimplePairingKnown) {
        ShowNothingToSet();
        return;
    }
    if (!PrtLib_BeginCommand()) {
        return;
    }
    DrainReply();
    Writes = {};
    ReplacePrintSetting();
    Writes.Take(CmdDo(QuoteKey("save_param_zone")));
    DrainReply();
    // The printer took the writes when it still answers after them (the
    // detect mode, which every printer of the dialog has); only then is it
    // restarted.
    uint8_t detectMode = 0;
    const bool taken = Writes.AllSent() && KeyGetByte(UserGroup(), 206, detectMode) == 1 &&
                       CmdDo(QuoteKey("reset_printer")) == 0;
    PrtLib_EndCommand();
    ConfirmSet(taken);
}

bool TParaSetMiro::WriteAddress(uint16_t key, const char* field) {
    std::array<uint8_t, 4> bytes{};
    for (int n = 0; n < 4; ++n) {
        const std::optional<long> part = ParseSmallInteger(Trim(Form()[field + std::to_string(n + 1)].text));
        if (!part) {
            return false;
        }
        bytes[static_cast<std::size_t>(n)] = Byte(*part);
    }
    Writes.Take(KeySetBytes(UserGroup(), key, bytes));
    return true;
}

void TParaSetMiro::ReplacePrintSetting() {
    TFormModel& form = Form();
    const uint8_t user = UserGroup();
    // Only controls that hold a value (read, or given by the user) are written.
    if (BluetoothShown) {
        if (HasValue(form, "txtBTName")) {
            Writes.Take(KeySetText(kGroup, 104, form["txtBTName"].text, 12, false));
        }
        if (HasValue(form, "txtBTPWD")) {
            Writes.Take(KeySetText(kGroup, 105, Trim(form["txtBTPWD"].text), 4, false));
        }
        if (SimplePairingKnown) {
            Writes.Take(KeySetByte(kGroup, 106, form["chkSimplePairing"].index == 1 ? 0 : 1));
        }
    }
    if (HasValue(form, "cmbDetectMode")) {
        Writes.Take(
            KeySetByte(kGroup, 206, static_cast<uint8_t>(DetectModeValue(form["cmbDetectMode"].index))));
    }
    if (const std::optional<long> density = SelectedNumber(form, "cmbDensity")) {
        Writes.Take(KeySetByte(kGroup, 203, Byte(*density)));
    }
    if (const std::optional<long> speed = SelectedNumber(form, "cmbPrintSpeed")) {
        Writes.Take(KeySetByte(kGroup, 202, Byte(*speed)));
    }
    if (HeatingTimeShown) {
        if (const std::optional<long> time = SelectedName(form, "cmbFinetuneHeatingTime", HeatingTimeList)) {
            Writes.Take(KeySetByte(kGroup, 240, Byte(*time)));
        }
    }
    if (EthernetShown) {
        if (EthernetSwitchOffered && HasValue(form, "cmbNetSwitch")) {
            Writes.Take(KeySetByte(user, 131, Byte(form["cmbNetSwitch"].index)));
        }
        if (const std::optional<long> dhcp = SelectedName(form, "cmbDHCP", DhcpList)) {
            Writes.Take(KeySetByte(user, 100, Byte(*dhcp)));
        }
        if (form["cmbDHCP"].SelectedText() == "OFF") {
            WriteAddress(101, "txtIP");
            WriteAddress(102, "txtSubnet");
            WriteAddress(103, "txtGateway");
        }
    }
    if (const std::optional<long> mm = ParseSmallInteger(Trim(form["txtPrintToStop"].text))) {
        Writes.Take(KeySetWordSigned(kGroup, 208, static_cast<int>(*mm * kDotsPerMm)));
    }
    if (ReleasePaperSupported && HasValue(form, "cmbReleasePaper")) {
        const std::optional<long> times = SelectedName(form, "cmbReleasePaper", ReleasePaperList);
        const int written = times ? KeySetByte(user, 416, Byte(*times)) : -1;
        Writes.Take(written);
        if (written != 0) {
            ShowErrorBox(TxtWith("Lang_All_00010013_11", Txt("Lang_All_00210024_11")));
        }
    }
    if (CodePageRowApplies()) {
        if (const std::optional<long> page = SelectedName(form, "cmbCodepage", CodePageNames)) {
            Writes.Take(KeySetWord(user, 322, static_cast<int>(*page)));
        }
    }
}

void TParaSetMiro::cmbDHCPChange() {
    TFormModel& form = Form();
    const bool manual = form["cmbDHCP"].SelectedText() == "OFF";
    for (const char* prefix : {"txtIP", "txtSubnet", "txtGateway"}) {
        for (int n = 1; n <= 4; ++n) {
            form.SetEnabled(prefix + std::to_string(n), manual);
        }
    }
}

void TParaSetMiro::UserChanged(std::string_view control) {
    if (control == "chkSimplePairing") {
        SimplePairingKnown = true;
    } else if (control == "cmbDHCP") {
        cmbDHCPChange();
    }
}

bool TParaSetMiro::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool control = key == 8 || key == 13;
    const bool digit = key >= '0' && key <= '9';
    if (edit == "txtBTName") {
        return (key >= 33 && key <= 127) || control;
    }
    if (edit == "txtPrintToStop") {
        return digit || control || key == 127 || key == '-';
    }
    // The password and the address fields take digits.
    return digit || control || key == 127;
}

void TParaSetMiro::LeaveField(std::string_view edit) {
    TFormModel& form = Form();
    const std::string text = Trim(form[edit].text);
    const std::optional<long> value = ParseSmallInteger(text);
    if (edit == "txtPrintToStop") {
        // The word holds -4096 to 4095 millimetres in dots.
        if (!value) {
            form.SetText(edit, "0");
        } else if (*value * kDotsPerMm > 32767 || *value * kDotsPerMm < -32768) {
            form.SetText(edit, *value > 0 ? "4095" : "-4096");
        }
    } else if (edit.rfind("txt", 0) == 0 && edit != "txtBTName" && edit != "txtBTPWD") {
        if (!value) {
            form.SetText(edit, "0");
        } else if (*value > 255) {
            form.SetText(edit, "255");
        }
    }
}

} // namespace tolvane::params
