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
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

#include <array>
#include <stdexcept>

namespace tolvane::params {
namespace {

void Set(const std::string& key, const std::string& value) {
    CmdSetValLower(QuoteKey(key), value);
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
    if (Offline || !PrtLib_BeginCommand()) {
        return;
    }
    LidKey = GetVal("version").rfind("1.00", 0) == 0 ? "platenin_locat" : "platenin_enter_pause";
    FillDensityList(form, "cmbDensity", GetVal("ppl") == "zpl" ? 30 : 15);
    ParaReadGDS();
    PrtLib_EndCommand();
}

void TParaSetDresk::ParaReadGDS() {
    TFormModel& form = Form();
    std::string unused;
    try {
        if (!NoBluetoothKeys() && !GetVal("bt_mac").empty()) {
            form.SetText("txtBTName", BluetoothNameShown(GetVal("bt_name")));
            form.SetText("txtBTPWD", GetVal("bt_pwd"));
        }
        form.SetIndex("gpbAutoPosition", GetVal("media_power_up") == "none" ? 0 : 1);
        if (HasRibbonSwitch()) {
            form.SetIndex("gpbPrintType", GetVal("sw_ribbon") == "on" ? 1 : 0);
        }
        form.SetIndex("gpbReprintWhenError", GetVal("reprint_after_error") == "on" ? 1 : 0);
        MapParaValue(form, "cmbJudgePaperMode", GetVal("media_sensor"), 0, unused, 1);
        SelectItemByText(form, "cmbDensity", GetVal("density"));
        MapParaValue(form, "cmbDHCP", GetVal("eth_dhcp"), 0, unused, 0);
        cmbDHCPChange();
        ReadAddress("eth_ip", "txtIP");
        ReadAddress("eth_mask", "txtSubnet");
        ReadAddress("eth_gateway", "txtGateway");
        SelectItemByText(form, "cmbHeatAdj", GetVal("heat_adj"));
        SelectItemByText(form, "cmbPrintSpeed", GetVal("speed"));
        // "tsc" is shown as the list's "TSPL"; the entry picks its code pages.
        ProtocolRead = GetVal("ppl");
        if (ProtocolRead == "tsc") {
            ProtocolRead = "tspl";
        }
        SelectItemByText(form, "cmbProtocol", ProtocolRead);
        const std::string selected = form["cmbProtocol"].SelectedText();
        if (selected == "TSPL") {
            FillTsplCodePages(form, "cmbCodepage");
        } else if (selected == "ZPL") {
            FillZplCodePages(form, "cmbCodepage");
        } else {
            FillEplCodePages(form, "cmbCodepage");
        }
        CodePageRead = GetVal("code_page");
        SelectCodePage(form, "cmbCodepage", CodePageRead);
        SelectItemByText(form, "cmbBaudrate", GetVal("com_baud"));
        SelectItemByText(form, "cmbDataBits", GetVal("com_wordlength"));
        SelectItemByText(form, "cmbParity", GetVal("com_parity"));
        SelectItemByText(form, "cmbStopBits", GetVal("com_stopbits"));
        MapParaValue(form, "cmbPrintMode", GetVal("print_mode"), 0, unused, 6);
        form.SetText("txtTearOff", GetVal("tear_off"));
        form.SetIndex("RadioGroup1", GetVal("sensor_select") == "reflective" ? 0 : 1);
        form.SetIndex("g5", GetVal(LidKey) == "off" ? 0 : 1);
        ReadReleasePaperReported();
    } catch (const std::exception& error) {
        // An address reply without four parts ends the read here.
        ShowErrorBox(Txt("_Err_ReadData") + ":" + error.what());
    }
}

void TParaSetDresk::btnSetClick() {
    if (!NoBluetoothKeys() && Trim(Form()["txtBTPWD"].text).size() != 4) {
        ShowErrorBox(Txt("_Err_BTPWD_Len"));
        return;
    }
    if (PrtLib_BeginCommand()) {
        DreskReplacePrintSetting();
        PrtLib_EndCommand();
        CmdDo(QuoteKey("reset_printer"));
    }
    RequestClose();
}

void TParaSetDresk::DreskReplacePrintSetting() {
    TFormModel& form = Form();
    const auto selected = [&form](const char* list) { return form[list].SelectedText(); };
    // The printers without Bluetooth keys have their fields emptied: their
    // name is not sent either, so that an empty name is never written.
    if (!NoBluetoothKeys()) {
        CmdSetVal(QuoteKey("bt_name"), form["txtBTName"].text);
        Set("bt_pwd", form["txtBTPWD"].text);
    }
    Set("media_power_up", form["gpbAutoPosition"].index == 1 ? "calibation" : "none");
    Set("reprint_after_error", form["gpbReprintWhenError"].index == 1 ? "on" : "off");
    Set("code_page", CodePageCode(selected("cmbCodepage")));
    Set("media_sensor", ParaValueWord(1, form["cmbJudgePaperMode"].index));
    Set("density", selected("cmbDensity"));
    Set("eth_dhcp", selected("cmbDHCP"));
    if (HasRibbonSwitch()) {
        Set("sw_ribbon", form["gpbPrintType"].index == 1 ? "on" : "off");
    }
    if (selected("cmbDHCP") == "OFF") {
        WriteAddress("eth_ip", "txtIP");
        WriteAddress("eth_mask", "txtSubnet");
        WriteAddress("eth_gateway", "txtGateway");
    }
    Set("heat_adj", selected("cmbHeatAdj"));
    Set("speed", selected("cmbPrintSpeed"));
    const std::string language = selected("cmbProtocol");
    Set("ppl", LowerAscii(language) == "tspl" ? "tsc" : language);
    Set("com_baud", selected("cmbBaudrate"));
    Set("com_wordlength", selected("cmbDataBits"));
    Set("com_parity", LowerAscii(selected("cmbParity")));
    Set("com_stopbits", selected("cmbStopBits"));
    Set("sensor_select", form["RadioGroup1"].index == 0 ? "reflective" : "transmissive");
    Set(LidKey, form["g5"].index == 1 ? "on" : "off");
    Set("print_mode", ParaValueWord(6, form["cmbPrintMode"].index));
    Set("tear_off", form["txtTearOff"].text);
    if (ReleasePaperSupported) {
        std::string name;
        if (FindNameByValue(ReleasePaperList, selected("cmbReleasePaper"), name)) {
            Set("stickers_times", name);
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
