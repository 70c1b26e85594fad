// The Kavo dialog's "Set": every parameter written with setval, then
// "save_param", a wait, and "reset_printer".
#include "mdlParaSetKavo.h"

#include "mdlArdelLength.h"
#include "mdlMessageBoxes.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtExchange.h"
#include "mdlPrtFrames.h"

#include <algorithm>
#include <stdexcept>

namespace tolvane::params {
namespace {

void Set(TWriteTally& writes, const std::string& key, const std::string& value) {
    writes.Take(CmdSetValLower(QuoteKey(key), value));
}

// A control is written only when it holds a value: one the printer
// reported, or one the user gave. An empty control is left as it is.
void SetIfValue(TWriteTally& writes, const TFormModel& form, const char* control, const std::string& key,
                const std::string& value) {
    if (HasValue(form, control)) {
        Set(writes, key, value);
    }
}

// A print-area length in dots, sent only when the field held a number.
void SetLength(TWriteTally& writes, const std::string& key, const std::string& dots) {
    if (!dots.empty()) {
        Set(writes, key, dots);
    }
}

// A number field capped at `high` (and `low`) before it is converted.
std::string Capped(const std::string& text, long low, long high) {
    const std::optional<long> value = ParseSmallInteger(text);
    if (!value) {
        return text;
    }
    return std::to_string(std::clamp(*value, low, high));
}

} // namespace

std::string TParaSetKavo::BbB(const std::string& mm) const {
    if (!IsArdel() || mm.empty()) {
        return mm;
    }
    return MmToDots(mm, DpiText);
}

std::string TParaSetKavo::CcC(const std::string& dots) const {
    if (!IsArdel() || dots.empty()) {
        return dots;
    }
    return DotsToMm(dots, DpiText);
}

void TParaSetKavo::btnSetClick() {
    TFormModel& form = Form();
    // The PIN is checked only when it is written, that is when it holds one.
    if (BluetoothApplies() && HasValue(form, "txtBTPWD") && Trim(form["txtBTPWD"].text).size() != 4) {
        ShowErrorBox(Txt("_Err_BTPWD_Len"));
        return;
    }
    // Nothing read and nothing changed: nothing is sent, not even the save.
    if (!AnyValueToWrite(*this)) {
        ShowNothingToSet();
        return;
    }
    if (!PrtLib_BeginCommand()) {
        return;
    }
    Writes = {};
    ReplacePrintSetting();
    Writes.Take(CmdDoMaybe(QuoteKey("save_param"), false));
    PauseMs(kSaveWaitMs);
    // The printer took the writes when it still answers after them; only
    // then is it restarted.
    const bool taken = Writes.AllSent() && AnswersAfterWrites();
    PrtLib_EndCommand();
    ConfirmSet(taken && CmdDo(QuoteKey("reset_printer")) == 0);
}

void TParaSetKavo::WriteAddress(const std::string& key, const char* field) {
    if (const std::string value = AddressFromFields(Form(), field); !value.empty()) {
        Set(Writes, key, value);
    }
}

void TParaSetKavo::ReplacePrintSetting() {
    TFormModel& form = Form();
    const auto selected = [&form](const char* list) { return form[list].SelectedText(); };
    const auto item = [&form](const char* radio) { return form[radio].index; };

    // 1: the command language ("tspl" is the printer's "tsc").
    const std::string language = selected("cmbProtocol");
    SetIfValue(Writes, form, "cmbProtocol", "ppl", LowerAscii(language) == "tspl" ? "tsc" : language);
    // 2-3: Bluetooth; the name keeps its case.
    if (BluetoothApplies()) {
        if (HasValue(form, "txtBTName")) {
            Writes.Take(CmdSetVal(QuoteKey("bt_name"), form["txtBTName"].text));
        }
        SetIfValue(Writes, form, "txtBTPWD", "bt_pwd", form["txtBTPWD"].text);
    }
    // 4-9
    const int powerUp = item("gpbAutoPosition");
    SetIfValue(Writes, form, "gpbAutoPosition", "media_power_up",
               powerUp == 0   ? "none"
               : powerUp == 2 ? "learn"
                              : "calibation");
    SetIfValue(Writes, form, "gpbPrintType", "sw_ribbon", item("gpbPrintType") == 1 ? "on" : "off");
    SetIfValue(Writes, form, "gpbReprintWhenError", "reprint_after_error",
               item("gpbReprintWhenError") == 1 ? "on" : "off");
    SetIfValue(Writes, form, "cmbCodepage", "code_page", CodePageCode(selected("cmbCodepage")));
    SetIfValue(Writes, form, "cmbJudgePaperMode", "media_sensor",
               ParaValueWord(1, form["cmbJudgePaperMode"].index));
    SetIfValue(Writes, form, "cmbDensity", "density", selected("cmbDensity"));
    // 10-14: the print area of the Ardel printers, around the logic-area action.
    if (IsArdel() && !form["txtZPrintWidth"].text.empty()) {
        SetLength(Writes, "print_width", BbB(Capped(form["txtZPrintWidth"].text, -999999999L, 108)));
    }
    if (IsArdel() && !form["txtZPrintHeight"].text.empty()) {
        SetLength(Writes, "print_height", BbB(Capped(form["txtZPrintHeight"].text, -999999999L, 300)));
    }
    Writes.Take(CmdDo(QuoteKey("demo_logic_area")));
    PrtLib_BeginCommand();
    if (IsArdel() && !form["txtDRowOffset"].text.empty()) {
        SetLength(Writes, "demo_star_y", BbB(Capped(form["txtDRowOffset"].text, -999999999L, 15)));
    }
    if (IsArdel() && !form["txtDColumnOffset"].text.empty()) {
        SetLength(Writes, "demo_star_x", BbB(Capped(form["txtDColumnOffset"].text, -15, 15)));
    }
    // 15-18: Ethernet; the addresses only with DHCP off.
    if (SupportDhcp) {
        SetIfValue(Writes, form, "cmbDHCP", "eth_dhcp", selected("cmbDHCP"));
        if (selected("cmbDHCP") == "OFF") {
            if (SupportIp) {
                WriteAddress("eth_ip", "txtIP");
            }
            if (SupportMask) {
                WriteAddress("eth_mask", "txtSubnet");
            }
            if (SupportGateway) {
                WriteAddress("eth_gateway", "txtGateway");
            }
        }
    }
    // 19-24
    SetIfValue(Writes, form, "cmbHeatAdj", "heat_adj", selected("cmbHeatAdj"));
    SetIfValue(Writes, form, "cmbPrintSpeed", "speed", selected("cmbPrintSpeed"));
    if (SupportBaud) {
        SetIfValue(Writes, form, "cmbBaudrate", "com_baud", selected("cmbBaudrate"));
    }
    if (SupportDataBits) {
        SetIfValue(Writes, form, "cmbDataBits", "com_wordlength", selected("cmbDataBits"));
    }
    if (SupportStopBits) {
        SetIfValue(Writes, form, "cmbStopBits", "com_stopbits", selected("cmbStopBits"));
    }
    if (SupportParity) {
        SetIfValue(Writes, form, "cmbParity", "com_parity", LowerAscii(selected("cmbParity")));
    }
    // 25-28
    SetIfValue(Writes, form, "RadioGroup1", "sensor_select",
               item("RadioGroup1") == 0 ? "reflective" : "transmissive");
    const int lid = item("g5");
    SetIfValue(Writes, form, "g5", LidKey, lid == 0 ? "off" : lid == 2 ? "learn" : "on");
    SetIfValue(Writes, form, "cmbPrintMode", "print_mode", ParaValueWord(6, form["cmbPrintMode"].index));
    SetIfValue(Writes, form, "txtTearOff", "tear_off", form["txtTearOff"].text);
    // 29: release paper.
    if (ReleasePaperSupported) {
        try {
            std::string name;
            if (FindNameByValue(ReleasePaperList, selected("cmbReleasePaper"), name)) {
                Set(Writes, "stickers_times", name);
            }
        } catch (const std::exception& error) {
            ShowInfo(TxtWith("Lang_All_00010013_11", Txt("Lang_All_00210024_11")) + "\n\n" + error.what());
        }
    }
}

} // namespace tolvane::params
