// The Dresk dialog: showing, the read of every named key, the checks and
// "Set".
#include "mdlParaSetDresk.h"

#include "mdlArdelLength.h"
#include "mdlCatalogueOverlay.h"
#include "mdlFunction_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

#include <array>
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

} // namespace

TParaSetDresk::TParaSetDresk(TParaDialogContext context) : TParaSetKavo(std::move(context)) {
    TFormModel& form = Form();
    // No extension page: the release-paper row stands on the first page
    // below the print mode.
    const std::pair<const char*, std::array<int, 4>> releaseRow[] = {
        {"lblReleasePaper", {8, 340, 110, 24}},
        {"cmbReleasePaper", {122, 340, 210, 24}},
        {"txtTip_ReleasePaper", {8, 372, 324, 24}},
    };
    for (const auto& [name, box] : releaseRow) {
        TControl& control = form[name];
        control.parent = "tabsUserParaA";
        control.left = box[0];
        control.top = box[1];
        control.width = box[2];
        control.height = box[3];
    }
    form["cmbProtocol"].items = {"TSPL", "ZPL"};
}

bool TParaSetDresk::NoBluetoothKeys() const {
    return InBuiltInList(lists::DreskNoBtModels, Context().model);
}

bool TParaSetDresk::HasRibbonSwitch() const {
    return InBuiltInList(lists::DreskRibbonModels, Context().model);
}

void TParaSetDresk::FormCreate() {
    TParaSetKavo::FormCreate();
    TFormModel& form = Form();
    // Every network and serial key is read and written.
    for (bool* flag : {&SupportDhcp, &SupportIp, &SupportMask, &SupportGateway, &SupportBaud,
                       &SupportDataBits, &SupportStopBits, &SupportParity}) {
        *flag = true;
    }
    form.SetVisible("tabsEthernetSetting", true);
    form.SetVisible("tabsCOM", true);
    form.SetVisible("btnLoad", false);
    form.SetVisible("btnSave", false);
    form.Move("btnSet", kSetLeftAlone);
    form.Move("btnClose", kCloseLeftAlone);
}

void TParaSetDresk::FormShow() {
    TFormModel& form = Form();
    const std::string& model = Context().model;
    ReleasePaperSupported = Permission("0135000001") == 1;
    InitLanguage();
    // The command language list names TSPL as the printer's own word does.
    std::vector<std::string> languages = form["cmbProtocol"].items;
    for (std::string& language : languages) {
        if (language == "TSC") {
            language = "TSPL";
        }
    }
    form.SetItems("cmbProtocol", std::move(languages), 0);
    // Two-item radio groups: no learning entry.
    form.SetItems("gpbAutoPosition",
                  {Txt("FormParaSet_Kavo_Locate_None"), Txt("FormParaSet_Kavo_Locate_Calibation")}, 0);
    form.SetItems("g5", {Txt("FormParaSet_Kavo_Locate_None"), Txt("FormParaSet_Kavo_Locate_Feed")}, 0);
    form.SetVisible("tabsUserParaB", false);
    form.SetVisible("StatusBarA", false);
    for (const char* control : {"lblReleasePaper", "cmbReleasePaper", "txtTip_ReleasePaper"}) {
        form.SetVisible(control, ReleasePaperSupported);
    }
    for (const char* control :
         {"lblZPrintWidth", "txtZPrintWidth", "lblZPrintWidthRange", "lblZPrintHeight", "txtZPrintHeight",
          "lblZPrintHeightRange", "lblDRowOffset", "txtDRowOffset", "lblDRowOffsetRange", "lblDColumnOffset",
          "txtDColumnOffset", "lblDColumnOffsetRange"}) {
        form.SetVisible(control, false);
    }
    const TControl& status = form["StatusBarA"];
    int height = form.ClientHeight() - status.height;
    if (ListHasNameComma(ReadCatalogue("OnlyChinese"), model)) {
        form.SetVisible("gpbLanguage", false);
        form.SetEnabled("cmbCodepage", false);
        form.Move("btnSet", form["btnSet"].left, form["btnSet"].top - kLanguageGroupHeight);
        form.Move("btnClose", form["btnClose"].left, form["btnClose"].top - kLanguageGroupHeight);
        TControl& pages = form["pagecA"];
        form.SetGeometry("pagecA", pages.left, pages.top, pages.width, pages.height - kLanguageGroupHeight);
        height -= kLanguageGroupHeight;
    }
    form.SetClientSize(form.ClientWidth(), height);
    TearOffLimit = ListHasNameComma(ReadCatalogue("IsTealOff90"), model) ? 90 : 120;
    const std::string limit = std::to_string(TearOffLimit);
    form.SetText("lblTearOffRange", "-" + limit + "~+" + limit);
    form.SetVisible("tabsUserParaBt", true);
    if (NoBluetoothKeys()) {
        form.SetText("txtBTName", "");
        form.SetText("txtBTPWD", "");
        form.SetEnabled("txtBTName", false);
        form.SetEnabled("txtBTPWD", false);
    }
    if (!HasRibbonSwitch()) {
        form.SetEnabled("gpbPrintType", false);
    }
    FillSpeedList(form, "cmbPrintSpeed", model);
    // Every control starts empty: one the printer gives no usable value
    // for stays empty, is named in the status line and is not written.
    ClearParameterValues(*this);
    if (Offline || !PrtLib_BeginCommand()) {
        return;
    }
    bool lost = false;
    try {
        LidKey = ReadValue("version").rfind("1.00", 0) == 0 ? "platenin_locat" : "platenin_enter_pause";
        FillDensityList(form, "cmbDensity", ReadValue("ppl") == "zpl" ? 30 : 15);
        ParaReadGDS();
    } catch (const TReplyLost&) {
        // The printer stopped answering: the read ends here, what it gave
        // before stays, the rest stays empty and is not written.
        lost = true;
    }
    PrtLib_EndCommand();
    // A read that ended early, or that gave no usable value at all, failed.
    if (lost || !AnyValueToWrite(*this)) {
        ShowReadError();
    }
    // The status line, hidden otherwise, names the controls left empty.
    if (const std::string unread = UnreadStatusText(*this); !unread.empty()) {
        form.SetVisible("StatusBarA", true);
        ShowStatus(unread);
    }
}

void TParaSetDresk::ParaReadGDS() {
    TFormModel& form = Form();
    try {
        if (!NoBluetoothKeys() && !ReadValue("bt_mac").empty()) {
            ReadEditText(form, "txtBTName", BluetoothNameShown(ReadValue("bt_name")));
            ReadEditText(form, "txtBTPWD", ReadValue("bt_pwd"));
        }
        ReadWordPosition(form, "gpbAutoPosition", ReadValue("media_power_up"), {"none", "calibation"});
        if (HasRibbonSwitch()) {
            ReadWordPosition(form, "gpbPrintType", ReadValue("sw_ribbon"), {"off", "on"});
        }
        ReadWordPosition(form, "gpbReprintWhenError", ReadValue("reprint_after_error"), {"off", "on"});
        ReadWordPosition(form, "cmbJudgePaperMode", ReadValue("media_sensor"), ParaValueTable(1));
        ReadListEntry(form, "cmbDensity", ReadValue("density"));
        ReadWordPosition(form, "cmbDHCP", ReadValue("eth_dhcp"), ParaValueTable(0));
        cmbDHCPChange();
        ReadAddress("eth_ip", "txtIP");
        ReadAddress("eth_mask", "txtSubnet");
        ReadAddress("eth_gateway", "txtGateway");
        ReadListEntry(form, "cmbHeatAdj", ReadValue("heat_adj"));
        ReadListEntry(form, "cmbPrintSpeed", ReadValue("speed"));
        // "tsc" is shown as the list's "TSPL"; the entry picks its code pages.
        ProtocolRead = ReadValue("ppl");
        if (ProtocolRead == "tsc") {
            ProtocolRead = "tspl";
        }
        ReadListEntry(form, "cmbProtocol", ProtocolRead);
        const std::string selected = form["cmbProtocol"].SelectedText();
        if (selected == "TSPL") {
            FillTsplCodePages(form, "cmbCodepage");
        } else if (selected == "ZPL") {
            FillZplCodePages(form, "cmbCodepage");
        } else {
            FillEplCodePages(form, "cmbCodepage");
        }
        CodePageRead = ReadValue("code_page");
        ReadCodePageEntry(form, "cmbCodepage", CodePageRead);
        ReadListEntry(form, "cmbBaudrate", ReadValue("com_baud"));
        ReadListEntry(form, "cmbDataBits", ReadValue("com_wordlength"));
        ReadListEntry(form, "cmbParity", ReadValue("com_parity"));
        ReadListEntry(form, "cmbStopBits", ReadValue("com_stopbits"));
        ReadWordPosition(form, "cmbPrintMode", ReadValue("print_mode"), ParaValueTable(6));
        ReadEditText(form, "txtTearOff", ReadValue("tear_off"));
        ReadWordPosition(form, "RadioGroup1", ReadValue("sensor_select"), {"reflective", "transmissive"});
        ReadWordPosition(form, "g5", ReadValue(LidKey), {"off", "on"});
        ReadReleasePaperReported();
    } catch (const TReplyLost&) {
        throw;
    } catch (const std::exception& error) {
        // An address reply without four parts ends the read here.
        ShowErrorBox(Txt("_Err_ReadData") + ":" + error.what());
    }
}

void TParaSetDresk::btnSetClick() {
    // The PIN is checked only when it is written, that is when it holds one.
    if (!NoBluetoothKeys() && HasValue(Form(), "txtBTPWD") && Trim(Form()["txtBTPWD"].text).size() != 4) {
        ShowErrorBox(Txt("_Err_BTPWD_Len"));
        return;
    }
    // Nothing read and nothing changed: nothing is sent.
    if (!AnyValueToWrite(*this)) {
        ShowNothingToSet();
        return;
    }
    if (!PrtLib_BeginCommand()) {
        return;
    }
    Writes = {};
    DreskReplacePrintSetting();
    // The printer took the writes when it still answers after them; only
    // then is it restarted.
    const bool taken = Writes.AllSent() && AnswersAfterWrites();
    PrtLib_EndCommand();
    ConfirmSet(taken && CmdDo(QuoteKey("reset_printer")) == 0);
}

void TParaSetDresk::DreskReplacePrintSetting() {
    TFormModel& form = Form();
    const auto selected = [&form](const char* list) { return form[list].SelectedText(); };
    // The printers without Bluetooth keys have their fields emptied: their
    // name is not sent either, so that an empty name is never written.
    if (!NoBluetoothKeys()) {
        if (HasValue(form, "txtBTName")) {
            Writes.Take(CmdSetVal(QuoteKey("bt_name"), form["txtBTName"].text));
        }
        SetIfValue(Writes, form, "txtBTPWD", "bt_pwd", form["txtBTPWD"].text);
    }
    SetIfValue(Writes, form, "gpbAutoPosition", "media_power_up",
               form["gpbAutoPosition"].index == 1 ? "calibation" : "none");
    SetIfValue(Writes, form, "gpbReprintWhenError", "reprint_after_error",
               form["gpbReprintWhenError"].index == 1 ? "on" : "off");
    SetIfValue(Writes, form, "cmbCodepage", "code_page", CodePageCode(selected("cmbCodepage")));
    SetIfValue(Writes, form, "cmbJudgePaperMode", "media_sensor",
               ParaValueWord(1, form["cmbJudgePaperMode"].index));
    SetIfValue(Writes, form, "cmbDensity", "density", selected("cmbDensity"));
    SetIfValue(Writes, form, "cmbDHCP", "eth_dhcp", selected("cmbDHCP"));
    if (HasRibbonSwitch()) {
        SetIfValue(Writes, form, "gpbPrintType", "sw_ribbon", form["gpbPrintType"].index == 1 ? "on" : "off");
    }
    if (selected("cmbDHCP") == "OFF") {
        WriteAddress("eth_ip", "txtIP");
        WriteAddress("eth_mask", "txtSubnet");
        WriteAddress("eth_gateway", "txtGateway");
    }
    SetIfValue(Writes, form, "cmbHeatAdj", "heat_adj", selected("cmbHeatAdj"));
    SetIfValue(Writes, form, "cmbPrintSpeed", "speed", selected("cmbPrintSpeed"));
    const std::string language = selected("cmbProtocol");
    SetIfValue(Writes, form, "cmbProtocol", "ppl", LowerAscii(language) == "tspl" ? "tsc" : language);
    SetIfValue(Writes, form, "cmbBaudrate", "com_baud", selected("cmbBaudrate"));
    SetIfValue(Writes, form, "cmbDataBits", "com_wordlength", selected("cmbDataBits"));
    SetIfValue(Writes, form, "cmbParity", "com_parity", LowerAscii(selected("cmbParity")));
    SetIfValue(Writes, form, "cmbStopBits", "com_stopbits", selected("cmbStopBits"));
    SetIfValue(Writes, form, "RadioGroup1", "sensor_select",
               form["RadioGroup1"].index == 0 ? "reflective" : "transmissive");
    SetIfValue(Writes, form, "g5", LidKey, form["g5"].index == 1 ? "on" : "off");
    SetIfValue(Writes, form, "cmbPrintMode", "print_mode", ParaValueWord(6, form["cmbPrintMode"].index));
    SetIfValue(Writes, form, "txtTearOff", "tear_off", form["txtTearOff"].text);
    if (ReleasePaperSupported) {
        std::string name;
        if (FindNameByValue(ReleasePaperList, selected("cmbReleasePaper"), name)) {
            Set(Writes, "stickers_times", name);
        }
    }
}

void TParaSetDresk::LeaveField(std::string_view edit) {
    if (edit != "txtTearOff") {
        TParaSetKavo::LeaveField(edit);
        return;
    }
    TFormModel& form = Form();
    const std::string text = Trim(form[edit].text);
    const std::optional<long> value = ParseSmallInteger(text);
    const std::string limit = std::to_string(TearOffLimit);
    // A text that is no number (a lone "-") cannot be sent either: it becomes 0.
    if (text.empty() || !value) {
        form.SetText(edit, "0");
    } else if (*value > TearOffLimit) {
        form.SetText(edit, limit);
    } else if (*value < -TearOffLimit) {
        form.SetText(edit, "-" + limit);
    }
}

void TParaSetDresk::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnSet") {
        btnSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

std::vector<std::string> TParaSetDresk::ParameterControls() const {
    std::vector<std::string> names;
    for (const std::string& name : TParaSetKavo::ParameterControls()) {
        if (name.rfind("txtZ", 0) != 0 && name.rfind("txtD", 0) != 0) {
            names.push_back(name);
        }
    }
    return names;
}

} // namespace tolvane::params
