// The Miro dialog: controls, texts and the rows that apply to a printer.
#include "mdlParaSetMiro.h"

#include "mdlArdelLength.h"
#include "mdlCatalogueOverlay.h"
#include "mdlFormLayout.h"
#include "mdlFunction_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

namespace tolvane::params {
namespace {

using K = TControlKind;
constexpr int kRow = 24;

const TLayoutEntry kLayout[] = {
    {"pagecA", K::Pages, "", 8, 8, 560, 400},
    {"tabsUserParaA", K::Page, "pagecA", 0, 0, 560, 374},
    {"tabsUserParaB", K::Page, "pagecA", 0, 0, 560, 374},
    {"tabsUserParaBt", K::Page, "pagecA", 0, 0, 560, 374},
    {"lblDetectMode", K::Label, "tabsUserParaA", 8, 8, 150, kRow},
    {"cmbDetectMode", K::List, "tabsUserParaA", 162, 8, 200, kRow},
    {"lblDensity", K::Label, "tabsUserParaA", 8, 40, 150, kRow},
    {"cmbDensity", K::List, "tabsUserParaA", 162, 40, 200, kRow},
    {"lblPrintSpeed", K::Label, "tabsUserParaA", 8, 72, 150, kRow},
    {"cmbPrintSpeed", K::List, "tabsUserParaA", 162, 72, 200, kRow},
    {"lblPrintToStop", K::Label, "tabsUserParaA", 8, 104, 150, kRow},
    {"txtPrintToStop", K::Edit, "tabsUserParaA", 162, 104, 80, kRow},
    {"lblPrintToStopUnit", K::Label, "tabsUserParaA", 248, 104, 60, kRow},
    {"lblFinetuneHeatingTime", K::Label, "tabsUserParaA", 8, 136, 150, kRow},
    {"cmbFinetuneHeatingTime", K::List, "tabsUserParaA", 162, 136, 200, kRow},
    {"lblCodepage", K::Label, "tabsUserParaA", 8, 168, 150, kRow},
    {"cmbCodepage", K::List, "tabsUserParaA", 162, 168, 380, kRow},
    {"lblReleasePaper", K::Label, "tabsUserParaA", 8, 200, 150, kRow},
    {"cmbReleasePaper", K::List, "tabsUserParaA", 162, 200, 200, kRow},
    {"gpbEthernetSetting", K::Group, "tabsUserParaA", 8, 232, 540, 136},
    {"lblNetSwitch", K::Label, "gpbEthernetSetting", 290, 22, 120, kRow},
    {"cmbNetSwitch", K::List, "gpbEthernetSetting", 414, 22, 110, kRow},
    {"lblDHCP", K::Label, "gpbEthernetSetting", 8, 22, 140, kRow},
    {"cmbDHCP", K::List, "gpbEthernetSetting", 152, 22, 100, kRow},
    {"lblIPAddress", K::Label, "gpbEthernetSetting", 8, 50, 140, kRow},
    {"lblSubnet", K::Label, "gpbEthernetSetting", 8, 78, 140, kRow},
    {"lblDefautGateway", K::Label, "gpbEthernetSetting", 8, 106, 140, kRow},
    {"gpbBT", K::Group, "tabsUserParaBt", 8, 8, 480, 132},
    {"lblBTName", K::Label, "gpbBT", 8, 26, 110, kRow},
    {"txtBTName", K::Edit, "gpbBT", 122, 26, 150, kRow},
    {"lblBTPWD", K::Label, "gpbBT", 8, 62, 110, kRow},
    {"txtBTPWD", K::Edit, "gpbBT", 122, 62, 150, kRow},
    {"chkSimplePairing", K::Check, "gpbBT", 8, 98, 300, kRow},
    {"btnSet", K::Button, "", 340, 416, 96, 30},
    {"btnClose", K::Button, "", 444, 416, 96, 30},
};

constexpr int kStatusHeight = 20;

constexpr const char* kAddressRows[][2] = {{"txtIP", "50"}, {"txtSubnet", "78"}, {"txtGateway", "106"}};

TNameValues SplitNameValues(const std::vector<std::string>& entries) {
    TNameValues list;
    for (const std::string& entry : entries) {
        const std::size_t equal = entry.find('=');
        list.emplace_back(entry.substr(0, equal), equal == std::string::npos ? "" : entry.substr(equal + 1));
    }
    return list;
}

std::vector<std::string> Values(const TNameValues& list) {
    std::vector<std::string> values;
    for (const auto& [name, value] : list) {
        values.push_back(value);
    }
    return values;
}

} // namespace

TParaSetMiro::TParaSetMiro(TParaDialogContext context) : TParaDialogModel(std::move(context)) {
    BuildControls();
}

void TParaSetMiro::BuildControls() {
    TFormModel& form = Form();
    AddLayout(form, kLayout);
    for (const auto& [prefix, top] : kAddressRows) {
        AddAddressRow(form, prefix, "gpbEthernetSetting", 152, std::stoi(top));
    }
    form["txtBTName"].maxLength = 12;
    form["txtBTPWD"].maxLength = 4;
    form["txtPrintToStop"].maxLength = 4;
    form["chkSimplePairing"].index = 0;
    // A status line below the buttons, shown only to name what was not read.
    TControl& status = form.Add("StatusBarA", TControlKind::Status);
    status.left = 0;
    status.top = 456;
    status.width = 576;
    status.height = kStatusHeight;
    status.visible = false;
    form.SetClientSize(576, 456);
}

int TParaSetMiro::DetectModeValue(int position) {
    return position == 1 ? 2 : position == 2 ? 1 : 0;
}

int TParaSetMiro::DetectModePosition(int value) {
    return value == 2 ? 1 : value == 1 ? 2 : 0;
}

void TParaSetMiro::FormCreate() {
    const TParaDialogContext& context = Context();
    // The models that speak two languages take their code pages from the
    // language the printer reports; the port is open while the dialog is made.
    if (!Offline && InBuiltInList(lists::MiroCodepageModelsC, context.model)) {
        LanguageText = LowerAscii(Trim(GetVal("ppl")));
    }
}

void TParaSetMiro::FormShow() {
    TFormModel& form = Form();
    const TParaDialogContext& context = Context();
    ReleasePaperSupported =
        Permission("0135000001") == 1 || InBuiltInList(lists::ReleasePaperModels, context.model);
    BuildReleasePaperList(context.listName, ReleasePaperList);
    DhcpList = {{"1", "ON"}, {"0", "OFF"}};
    HeatingTimeList.clear();
    for (int n = 50; n <= 130; ++n) {
        HeatingTimeList.emplace_back(std::to_string(n), std::to_string(n));
    }
    InitLanguage();
    form.SetVisible("tabsUserParaB", false);
    EthernetShown = InBuiltInList(lists::MiroEthernetNames, context.listName);
    form.SetVisible("gpbEthernetSetting", EthernetShown);
    form.SetVisible("lblNetSwitch", EthernetShown && EthernetSwitchOffered);
    form.SetVisible("cmbNetSwitch", EthernetShown && EthernetSwitchOffered);
    BluetoothShown =
        IsModelInList(context.model, ReadCatalogue("Miro_WithBT")) || context.listName == "TessinBT";
    form.SetVisible("tabsUserParaBt", BluetoothShown);
    HeatingTimeShown = context.model == "Ruvex";
    form.SetVisible("lblFinetuneHeatingTime", HeatingTimeShown);
    form.SetVisible("cmbFinetuneHeatingTime", HeatingTimeShown);
    form.SetVisible("lblReleasePaper", ReleasePaperSupported);
    form.SetVisible("cmbReleasePaper", ReleasePaperSupported);
    if (Offline) {
        BuildSpeedList(false);
        return;
    }
    if (!PrtLib_BeginCommand()) {
        // Nothing was read: no control shows a value that "Set" would send.
        BuildSpeedList(false);
        ClearParameterValues(*this);
        return;
    }
    BuildSpeedList(true);
    // A reply lost while the dialog was made ends the read before it begins.
    if (ReplyLost()) {
        ClearParameterValues(*this);
        ShowReadError();
    } else {
        ReadParam();
    }
    PrtLib_EndCommand();
    if (const std::string unread = UnreadStatusText(*this); !unread.empty()) {
        form.SetText("StatusBarA", unread);
        form.SetVisible("StatusBarA", true);
        form.SetClientSize(form.ClientWidth(), form.ClientHeight() + kStatusHeight);
    }
}

void TParaSetMiro::InitLanguage() {
    TFormModel& form = Form();
    const TParaDialogContext& context = Context();
    form.SetTitle(Txt("_ParaSet"));
    const std::pair<const char*, const char*> captions[] = {
        {"tabsUserParaA", "Lang_All_00210091_11"},
        {"tabsUserParaB", "Lang_All_00210091_12"},
        {"tabsUserParaBt", "Lang_All_00210091_14"},
        {"lblDetectMode", "FormParaSet_Tramwe_lblJudgePaperMode"},
        {"lblDensity", "FormParaSet_Tramwe_lblDensity"},
        {"lblPrintSpeed", "FormParaSet_Dovrin_lblPrintSpeed"},
        {"lblPrintToStop", "FormParaSet_Miro_lblPrintToStop"},
        {"lblFinetuneHeatingTime", "FormParaSet_Miro_lblFinetuneHeatingTime"},
        {"lblCodepage", "FormParaSet_Kavo_lblCodepage"},
        {"lblReleasePaper", "Lang_All_00210024_11"},
        {"gpbEthernetSetting", "FormParaSet_Tramwe_gpbEthernetSetting"},
        {"lblNetSwitch", "FormParaSet_Miro_lblNetSwitch"},
        {"lblDHCP", "FormParaSet_Tramwe_lblDHCP"},
        {"lblIPAddress", "FormParaSet_Tramwe_lblIPAddress"},
        {"lblSubnet", "FormParaSet_Tramwe_lblSubnet"},
        {"lblDefautGateway", "FormParaSet_Tramwe_lblDefautGateway"},
        {"gpbBT", "_BTSet"},
        {"lblBTName", "_BTName"},
        {"lblBTPWD", "_BTPWD"},
        {"chkSimplePairing", "FormParaSet_Miro_chkSimplePairing"},
        {"btnSet", "_Set"},
        {"btnClose", "_Close"},
    };
    for (const auto& [control, key] : captions) {
        form.SetText(control, Txt(key));
    }
    form.SetText("lblPrintToStopUnit", Txt("FormParaSet_Miro_lblPrintToStopUnit"));
    form.SetItems("cmbDetectMode",
                  {Txt("_PaperType_Label"), Txt("_PaperType_BlackMark"), Txt("FormParaSet_Miro_Continuous")},
                  0);
    FillDensityList(form, "cmbDensity", 15);
    form.SetItems("cmbNetSwitch", {Txt("FormParaSet_Dovrin_close"), Txt("FormParaSet_Dovrin_open")}, 0);
    form.SetItems("cmbDHCP", Values(DhcpList), 0);
    form.SetItems("cmbFinetuneHeatingTime", Values(HeatingTimeList), 0);
    form.SetItems("cmbReleasePaper", Values(ReleasePaperList), 0);
    form.SetEnabled("cmbReleasePaper", ReleasePaperSupported);
    CodePageList = ChooseMiroCodePageList(context.listName, context.model, LanguageText);
    CodePageNames = SplitNameValues(MiroCodePages(CodePageList));
    form.SetItems("cmbCodepage", Values(CodePageNames), CodePageNames.empty() ? -1 : 0);
}

void TParaSetMiro::BuildSpeedList(bool portOpen) {
    const std::string& model = Context().model;
    SpeedLow = 4;
    SpeedHigh = 7;
    if (InBuiltInList(lists::MiroSpeedFrom2Models, model)) {
        SpeedLow = 2;
    } else if (InBuiltInList(lists::MiroSpeedFrom3Models, model)) {
        SpeedLow = 3;
    }
    if (InBuiltInList(lists::MiroSpeedTo6Models, model)) {
        SpeedHigh = 6;
    } else if (InBuiltInList(lists::MiroSpeedTo5Models, model)) {
        SpeedHigh = 5;
    }
    if (portOpen && Permission("0123000053") == 1) {
        // The printer's own bounds, when both are numbers in order; a speed
        // is one byte on the wire.
        const std::optional<long> high = ParseSmallInteger(Trim(GetVal("max_speed")));
        const std::optional<long> low = ParseSmallInteger(Trim(GetVal("min_speed")));
        if (high && low && *high >= *low && *low >= 0 && *high <= 255) {
            SpeedLow = static_cast<int>(*low);
            SpeedHigh = static_cast<int>(*high);
        }
    }
    std::vector<std::string> speeds;
    for (int n = SpeedLow; n <= SpeedHigh; ++n) {
        speeds.push_back(std::to_string(n));
    }
    Form().SetItems("cmbPrintSpeed", std::move(speeds), 0);
}

std::vector<std::string> TParaSetMiro::ParameterControls() const {
    std::vector<std::string> names = {
        "txtBTName",  "txtBTPWD",      "chkSimplePairing",       "cmbDetectMode",
        "cmbDensity", "cmbPrintSpeed", "cmbFinetuneHeatingTime", "cmbNetSwitch",
        "cmbDHCP"};
    for (const auto& [prefix, top] : kAddressRows) {
        for (int n = 1; n <= 4; ++n) {
            names.push_back(std::string(prefix) + std::to_string(n));
        }
    }
    for (const char* name : {"txtPrintToStop", "cmbReleasePaper", "cmbCodepage"}) {
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> TParaSetMiro::PossibleEntries(std::string_view list) const {
    if (list == "cmbPrintSpeed") {
        std::vector<std::string> all;
        for (int n = 0; n <= 255; ++n) {
            all.push_back(std::to_string(n));
        }
        return all;
    }
    if (list == "cmbCodepage") {
        std::vector<std::string> all;
        for (const TMiroCodePageList each : {TMiroCodePageList::A, TMiroCodePageList::B, TMiroCodePageList::C,
                                             TMiroCodePageList::D, TMiroCodePageList::E}) {
            for (const auto& [name, value] : SplitNameValues(MiroCodePages(each))) {
                all.push_back(value);
            }
        }
        return all;
    }
    return TParaDialogModel::PossibleEntries(list);
}

void TParaSetMiro::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnSet") {
        btnSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

} // namespace tolvane::params
