// The Kavo dialog's read: one getval per parameter, each reply filling its
// control.
#include "mdlParaSetKavo.h"

#include "mdlMessageBoxes.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"

#include <stdexcept>

namespace tolvane::params {
namespace {

// The controls of one print-area row.
const char* const kPrintAreaRows[][3] = {
    {"lblZPrintWidth", "txtZPrintWidth", "lblZPrintWidthRange"},
    {"lblZPrintHeight", "txtZPrintHeight", "lblZPrintHeightRange"},
    {"lblDRowOffset", "txtDRowOffset", "lblDRowOffsetRange"},
    {"lblDColumnOffset", "txtDColumnOffset", "lblDColumnOffsetRange"},
};
const char* const kPrintAreaKeys[] = {"print_width", "print_height", "demo_star_y", "demo_star_x"};

} // namespace

// A Bluetooth name as the printer reports it may end in "-" and four
// characters of its address; the dialog shows the name without them.
std::string TParaSetKavo::BluetoothNameShown(const std::string& reply) {
    if (reply.size() >= 6 && reply[reply.size() - 5] == '-') {
        return reply.substr(0, reply.size() - 5);
    }
    return reply;
}

void TParaSetKavo::SetEnabledButtons(bool enabled) {
    for (const char* button : {"btnSet", "btnLoad", "btnSave"}) {
        Form().SetEnabled(button, enabled);
    }
}

void TParaSetKavo::StartRead() {
    StopTimer("ReadTimer");
    SetEnabledButtons(false);
    if (PrtLib_BeginCommand()) {
        ReadParameters();
        PrtLib_EndCommand();
    }
    SetEnabledButtons(true);
}

void TParaSetKavo::ShowStatus(const std::string& text) {
    Form().SetText("StatusBarA", text);
}

void TParaSetKavo::ClearStatus() {
    Form().SetText("StatusBarA", "");
}

void TParaSetKavo::ReadAddress(const std::string& key, const char* field) {
    const std::string reply = ReadValue(key);
    if (!ShowAddressReply(Form(), field, reply)) {
        throw std::runtime_error(key + ": " + reply);
    }
}

void TParaSetKavo::ReadReleasePaperReported() {
    if (!ReleasePaperSupported) {
        return;
    }
    try {
        ReadReleasePaper();
    } catch (const TReplyLost&) {
        throw;
    } catch (const std::exception& error) {
        ReleasePaperArmed = true;
        ShowErrorBox(TxtWith("Lang_All_00010011_11", Txt("Lang_All_00210024_11")) + "\n\n" + error.what());
    }
}

void TParaSetKavo::ReadReleasePaper() {
    const std::string failed = TxtWith("Lang_All_00010011_11", Txt("Lang_All_00210024_11"));
    const std::string reply = ReadValue("stickers_times");
    if (Trim(reply).empty()) {
        ShowErrorBox(failed);
        return;
    }
    std::string value;
    if (FindValueByName(ReleasePaperList, reply, value)) {
        ReleasePaperArmed = false;
        ReadListEntry(Form(), "cmbReleasePaper", value);
        ReleasePaperArmed = true;
        UpdateReleasePaperTip();
    }
}

void TParaSetKavo::ReadParameters() {
    TFormModel& form = Form();
    const auto status = [this](const char* key) { ShowStatus(TxtWith("Lang_All_00210207_16", Txt(key))); };
    ClearStatus();
    // Every control starts empty: one the printer gives no usable value
    // for stays empty, is named in the status line and is not written.
    ClearParameterValues(*this);
    try {
        // 1-4: the print area of the Ardel printers.
        for (int n = 0; n < 4; ++n) {
            for (const char* control : kPrintAreaRows[n]) {
                form.SetVisible(control, IsArdel());
            }
            if (IsArdel()) {
                ReadEditText(form, kPrintAreaRows[n][1], CcC(Trim(ReadValue(kPrintAreaKeys[n]))));
            }
        }
        // 5: the command language decides the density range.
        status("Lang_All_00210004_12");
        const std::string language = ReadValue("ppl");
        FillDensityList(form, "cmbDensity", language == "zpl" || language == "epl" ? 30 : 15);
        // 6: the firmware version decides the key of the lid-close positioning.
        status("Lang_All_00210179_13");
        LidKey = ReadValue("version").rfind("1.00", 0) == 0 ? "platenin_locat" : "platenin_enter_pause";
        // 7-9: Bluetooth, when the printer has a Bluetooth address.
        if (form["tabsUserParaBt"].visible) {
            status("Lang_All_00210129_11");
            if (!ReadValue("bt_mac").empty()) {
                status("Lang_All_00210129_12");
                ReadEditText(form, "txtBTName", BluetoothNameShown(ReadValue("bt_name")));
                status("Lang_All_00210129_23");
                ReadEditText(form, "txtBTPWD", ReadValue("bt_pwd"));
            }
        }
        // 10-12: radio groups.
        status("FormParaSet_Tramwe_gpbAutoPosition");
        ReadWordPosition(form, "gpbAutoPosition", ReadValue("media_power_up"),
                         {"none", "calibation", "learn"});
        status("FormParaSet_Tramwe_gpbPrintType");
        ReadWordPosition(form, "gpbPrintType", ReadValue("sw_ribbon"), {"off", "on"});
        status("FormParaSet_Tramwe_gpbReprintWhenError");
        ReadWordPosition(form, "gpbReprintWhenError", ReadValue("reprint_after_error"), {"off", "on"});
        // 13-14
        status("Lang_All_00210093_11");
        ReadWordPosition(form, "cmbJudgePaperMode", ReadValue("media_sensor"), ParaValueTable(1));
        status("Lang_All_00210095_11");
        ReadListEntry(form, "cmbDensity", ReadValue("density"));
        // 15-18: Ethernet.
        if (SupportDhcp) {
            status("FormParaSet_Tramwe_lblDHCP");
            ReadWordPosition(form, "cmbDHCP", ReadValue("eth_dhcp"), ParaValueTable(0));
            cmbDHCPChange();
        }
        if (SupportIp) {
            status("Lang_All_00010029_11");
            ReadAddress("eth_ip", "txtIP");
        }
        if (SupportMask) {
            status("Lang_All_00210127_12");
            ReadAddress("eth_mask", "txtSubnet");
        }
        if (SupportGateway) {
            status("Lang_All_00210127_13");
            ReadAddress("eth_gateway", "txtGateway");
        }
        // 19-20
        status("FormParaSet_Dovrin_lblHeatAdj");
        ReadListEntry(form, "cmbHeatAdj", ReadValue("heat_adj"));
        status("Lang_All_00210096_11");
        ReadListEntry(form, "cmbPrintSpeed", ReadValue("speed"));
        // 21: the command language selects its code page list.
        status("Lang_All_00210004_12");
        ProtocolRead = ReadValue("ppl");
        if (!InBuiltInList(lists::TscKeptModels, Context().model) && ProtocolRead == "tsc") {
            ProtocolRead = "tspl";
        }
        // A list without a "TSPL" entry names that language "TSC".
        if (!ReadListEntry(form, "cmbProtocol", ProtocolRead) && ProtocolRead == "tspl") {
            ReadListEntry(form, "cmbProtocol", "tsc");
        }
        const std::string selected = form["cmbProtocol"].SelectedText();
        if (selected == "TSC") {
            FillTsplCodePages(form, "cmbCodepage");
        } else if (selected == "ZPL") {
            FillZplCodePages(form, "cmbCodepage");
        } else {
            FillEplCodePages(form, "cmbCodepage");
        }
        // 22
        status("Lang_All_00210218_11");
        CodePageRead = ReadValue("code_page");
        ReadCodePageEntry(form, "cmbCodepage", CodePageRead);
        // 23-26: the serial port.
        const std::pair<bool, std::pair<const char*, const char*>> serial[] = {
            {SupportBaud, {"com_baud", "cmbBaudrate"}},
            {SupportDataBits, {"com_wordlength", "cmbDataBits"}},
            {SupportStopBits, {"com_stopbits", "cmbStopBits"}},
            {SupportParity, {"com_parity", "cmbParity"}},
        };
        const char* const serialStatus[] = {"Lang_All_00210190_12", "Lang_All_00210190_13",
                                            "Lang_All_00210190_14", "Lang_All_00210190_15"};
        for (int n = 0; n < 4; ++n) {
            const auto& [supported, keyAndList] = serial[n];
            if (supported) {
                status(serialStatus[n]);
                ReadListEntry(form, keyAndList.second, ReadValue(keyAndList.first));
            }
        }
        // 27-30
        status("Lang_All_00210093_12");
        ReadWordPosition(form, "cmbPrintMode", ReadValue("print_mode"), ParaValueTable(6));
        status("FormParaSet_Kavo_lblTearOff");
        ReadEditText(form, "txtTearOff", ReadValue("tear_off"));
        status("FormParaSet_Dresk_SST");
        ReadWordPosition(form, "RadioGroup1", ReadValue("sensor_select"), {"reflective", "transmissive"});
        status("FormParaSet_Kavo_i9");
        ReadWordPosition(form, "g5", ReadValue(LidKey), {"off", "on", "learn"});
        // 31: release paper; its failures are reported and the read goes on.
        if (ReleasePaperSupported) {
            status("Lang_All_00210024_11");
        }
        ReadReleasePaperReported();
    } catch (const TReplyLost&) {
        // The printer stopped answering: what it gave before stays, the
        // rest stays empty and is not written.
        ShowReadError();
        ShowUnreadStatus();
        return;
    } catch (const std::exception& error) {
        // An address reply without four parts ends the read here.
        ShowErrorBox(Txt("_Err_ReadData") + ":" + error.what());
        return;
    }
    // A read that gave no usable value at all is a failed read.
    if (!AnyValueToWrite(*this)) {
        ShowReadError();
    }
    if (!ShowUnreadStatus()) {
        ShowStatus(Txt("Lang_All_00210099_53"));
        StartTimer("StatusTimer");
    }
}

bool TParaSetKavo::ShowUnreadStatus() {
    // The names of the controls left empty stay in the status line.
    const std::string unread = UnreadStatusText(*this);
    if (!unread.empty()) {
        ShowStatus(Txt("Lang_All_00210099_53") + " - " + unread);
    }
    return !unread.empty();
}

} // namespace tolvane::params
