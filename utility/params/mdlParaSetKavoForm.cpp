// The Kavo dialog's controls, creation and showing.
#include "mdlParaSetKavo.h"

#include "mdlCatalogueOverlay.h"
#include "mdlFormLayout.h"
#include "mdlFunction_Permission.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelList.h"
#include "mdlModelListNames.h"
#include "mdlModelLists.h"
#include "mdlParaLists.h"

namespace tolvane::params {
namespace {

using K = TControlKind;

// Design positions in pixels, relative to the parent.
constexpr int kRow = 24;
const TLayoutEntry kLayout[] = {
    {"pagecA", K::Pages, "", 8, 8, 672, 440},
    {"tabsUserParaA", K::Page, "pagecA", 0, 0, 672, 414},
    {"tabsUserParaB", K::Page, "pagecA", 0, 0, 672, 414},
    {"tabsUserParaBt", K::Page, "pagecA", 0, 0, 672, 414},
    {"tabsCOM", K::Page, "pagecA", 0, 0, 672, 414},
    {"tabsEthernetSetting", K::Page, "pagecA", 0, 0, 672, 414},
    // first page, left column
    {"gpbAutoPosition", K::Radio, "tabsUserParaA", 8, 8, 324, 48},
    {"g5", K::Radio, "tabsUserParaA", 8, 60, 324, 48},
    {"gpbPrintType", K::Radio, "tabsUserParaA", 8, 112, 324, 48},
    {"gpbReprintWhenError", K::Radio, "tabsUserParaA", 8, 164, 324, 48},
    {"RadioGroup1", K::Radio, "tabsUserParaA", 8, 216, 324, 48},
    {"lblTearOff", K::Label, "tabsUserParaA", 8, 276, 110, kRow},
    {"txtTearOff", K::Edit, "tabsUserParaA", 122, 276, 80, kRow},
    {"lblTearOffRange", K::Label, "tabsUserParaA", 206, 276, 126, kRow},
    {"lblPrintMode", K::Label, "tabsUserParaA", 8, 308, 110, kRow},
    {"cmbPrintMode", K::List, "tabsUserParaA", 122, 308, 210, kRow},
    // first page, right column
    {"gpbOther", K::Group, "tabsUserParaA", 340, 8, 324, 188},
    {"lblJudgePaperMode", K::Label, "gpbOther", 8, 24, 120, kRow},
    {"cmbJudgePaperMode", K::List, "gpbOther", 132, 24, 184, kRow},
    {"lblDensity", K::Label, "gpbOther", 8, 56, 120, kRow},
    {"cmbDensity", K::List, "gpbOther", 132, 56, 184, kRow},
    {"lblHeatAdj", K::Label, "gpbOther", 8, 88, 120, kRow},
    {"cmbHeatAdj", K::List, "gpbOther", 132, 88, 184, kRow},
    {"lblPrintSpeed", K::Label, "gpbOther", 8, 120, 120, kRow},
    {"cmbPrintSpeed", K::List, "gpbOther", 132, 120, 184, kRow},
    {"lblProtocol", K::Label, "gpbOther", 8, 152, 120, kRow},
    {"cmbProtocol", K::List, "gpbOther", 132, 152, 184, kRow},
    {"gpbLanguage", K::Group, "tabsUserParaA", 340, 204, 324, 60},
    {"lblCodepage", K::Label, "gpbLanguage", 8, 26, 120, kRow},
    {"cmbCodepage", K::List, "gpbLanguage", 132, 26, 184, kRow},
    {"lblZPrintWidth", K::Label, "tabsUserParaA", 340, 276, 120, kRow},
    {"txtZPrintWidth", K::Edit, "tabsUserParaA", 464, 276, 70, kRow},
    {"lblZPrintWidthRange", K::Label, "tabsUserParaA", 538, 276, 126, kRow},
    {"lblZPrintHeight", K::Label, "tabsUserParaA", 340, 308, 120, kRow},
    {"txtZPrintHeight", K::Edit, "tabsUserParaA", 464, 308, 70, kRow},
    {"lblZPrintHeightRange", K::Label, "tabsUserParaA", 538, 308, 126, kRow},
    {"lblDRowOffset", K::Label, "tabsUserParaA", 340, 340, 120, kRow},
    {"txtDRowOffset", K::Edit, "tabsUserParaA", 464, 340, 70, kRow},
    {"lblDRowOffsetRange", K::Label, "tabsUserParaA", 538, 340, 126, kRow},
    {"lblDColumnOffset", K::Label, "tabsUserParaA", 340, 372, 120, kRow},
    {"txtDColumnOffset", K::Edit, "tabsUserParaA", 464, 372, 70, kRow},
    {"lblDColumnOffsetRange", K::Label, "tabsUserParaA", 538, 372, 126, kRow},
    // second page: the extension rows (their tops come from the layout)
    {"lblReleasePaper", K::Label, "tabsUserParaB", 8, 8, 150, kRow},
    {"cmbReleasePaper", K::List, "tabsUserParaB", 162, 8, 190, kRow},
    {"txtTip_ReleasePaper", K::Edit, "tabsUserParaB", 358, 8, 306, kRow},
    // Bluetooth page
    {"gpbBT", K::Group, "tabsUserParaBt", 8, 8, 480, 100},
    {"lblBTName", K::Label, "gpbBT", 8, 26, 110, kRow},
    {"txtBTName", K::Edit, "gpbBT", 122, 26, 150, kRow},
    {"lblBTNameLen", K::Label, "gpbBT", 280, 26, 192, kRow},
    {"lblBTPWD", K::Label, "gpbBT", 8, 62, 110, kRow},
    {"txtBTPWD", K::Edit, "gpbBT", 122, 62, 150, kRow},
    {"lblBTPWDLen", K::Label, "gpbBT", 280, 62, 192, kRow},
    // serial page
    {"gpbCOMPortSet", K::Group, "tabsCOM", 8, 8, 420, 156},
    {"lblBaudrate", K::Label, "gpbCOMPortSet", 8, 24, 120, kRow},
    {"cmbBaudrate", K::List, "gpbCOMPortSet", 132, 24, 180, kRow},
    {"lblDataBits", K::Label, "gpbCOMPortSet", 8, 56, 120, kRow},
    {"cmbDataBits", K::List, "gpbCOMPortSet", 132, 56, 180, kRow},
    {"lblStopBits", K::Label, "gpbCOMPortSet", 8, 88, 120, kRow},
    {"cmbStopBits", K::List, "gpbCOMPortSet", 132, 88, 180, kRow},
    {"lblParity", K::Label, "gpbCOMPortSet", 8, 120, 120, kRow},
    {"cmbParity", K::List, "gpbCOMPortSet", 132, 120, 180, kRow},
    // Ethernet page
    {"gpbEthernetSetting", K::Group, "tabsEthernetSetting", 8, 8, 480, 156},
    {"lblDHCP", K::Label, "gpbEthernetSetting", 8, 24, 140, kRow},
    {"cmbDHCP", K::List, "gpbEthernetSetting", 152, 24, 100, kRow},
    {"lblIPAddress", K::Label, "gpbEthernetSetting", 8, 56, 140, kRow},
    {"lblSubnet", K::Label, "gpbEthernetSetting", 8, 88, 140, kRow},
    {"lblDefautGateway", K::Label, "gpbEthernetSetting", 8, 120, 140, kRow},
    // buttons and status line
    {"btnLoad", K::Button, "", 30, 456, 96, 30},
    {"btnSave", K::Button, "", 134, 456, 96, 30},
    {"btnSet", K::Button, "", 470, 456, 96, 30},
    {"btnClose", K::Button, "", 574, 456, 96, 30},
    {"StatusBarA", K::Status, "", 0, 492, 688, 22},
};

// The four fields of an address row: prefix + 1..4.
constexpr const char* kAddressRows[][2] = {{"txtIP", "56"}, {"txtSubnet", "88"}, {"txtGateway", "120"}};

void SetItemsFromKeys(TFormModel& form, const char* control, std::initializer_list<const char*> keys) {
    std::vector<std::string> items;
    for (const char* key : keys) {
        items.push_back(Txt(key));
    }
    form.SetItems(control, std::move(items), 0);
}

} // namespace

TParaSetKavo::TParaSetKavo(TParaDialogContext context) : TParaDialogModel(std::move(context)) {
    BuildControls();
}

TParaSetKavo::~TParaSetKavo() = default;

void TParaSetKavo::BuildControls() {
    TFormModel& form = Form();
    AddLayout(form, kLayout);
    for (const auto& [prefix, top] : kAddressRows) {
        for (int n = 1; n <= 4; ++n) {
            TControl& field =
                form.Add(std::string(prefix) + std::to_string(n), K::Edit, "gpbEthernetSetting");
            field.left = 152 + (n - 1) * 56;
            field.top = std::stoi(top);
            field.width = 48;
            field.height = kRow;
            field.maxLength = 3;
        }
    }
    form["txtTearOff"].maxLength = 4;
    form["txtBTName"].maxLength = 10;
    form["txtBTPWD"].maxLength = 4;
    // Lists fixed in the form.
    std::vector<std::string> heat;
    for (int n = -50; n <= 50; n += 5) {
        heat.push_back(std::to_string(n));
    }
    form["cmbHeatAdj"].items = std::move(heat);
    form["cmbBaudrate"].items = {"9600", "19200", "38400", "57600", "115200"};
    form["cmbDataBits"].items = {"7", "8"};
    form["cmbStopBits"].items = {"1", "2"};
    form["cmbParity"].items = {"NONE", "ODD", "EVEN"};
    form["cmbDHCP"].items = {"ON", "OFF"};
    form["cmbProtocol"].items = {"TSC", "ZPL"};
    for (const char* list :
         {"cmbHeatAdj", "cmbBaudrate", "cmbDataBits", "cmbStopBits", "cmbParity", "cmbDHCP", "cmbProtocol"}) {
        form[list].index = 0;
    }
    form.SetClientSize(688, 514);
}

// ---- creation ----

void TParaSetKavo::FormCreate() {
    InitDialog();
}

void TParaSetKavo::InitDialog() {
    TFormModel& form = Form();
    DpiText = GetVal("dpi");
    UnitText = "mm";
    if (!IsArdel()) {
        form.SetVisible("btnLoad", false);
        form.SetVisible("btnSave", false);
        form.Move("btnSet", kSetLeftAlone);
        form.Move("btnClose", kCloseLeftAlone);
    }
    ExtraRows.Clear();
    BuildReleasePaperList(Context().listName, ReleasePaperList);
    ReleasePaperOffIndex = 0;
    ReleasePaperArmed = true;
    AddTimer("ReadTimer", 10, [this] { StartRead(); });
    AddTimer("StatusTimer", 5000, [this] {
        StopTimer("StatusTimer");
        ClearStatus();
    });
    AddTimer("tmA", 50, [this] {
        StopTimer("tmA");
        BringToFront();
    });

    const bool noNetSerial = InBuiltInList(lists::NoNetSerialModels, Context().model);
    for (bool* flag : {&SupportDhcp, &SupportIp, &SupportMask, &SupportGateway, &SupportBaud,
                       &SupportDataBits, &SupportStopBits, &SupportParity}) {
        *flag = !noNetSerial;
    }
    form.SetVisible("tabsEthernetSetting", !noNetSerial);
    form.SetVisible("tabsCOM", !noNetSerial);
}

// ---- showing ----

void TParaSetKavo::FormShow() {
    TFormModel& form = Form();
    const std::string& model = Context().model;
    BuildExtraRows();
    InitLanguage();
    if (ListHasNameComma(ReadCatalogue("OnlyChinese"), model)) {
        form.SetVisible("gpbLanguage", false);
        form.SetEnabled("cmbCodepage", false);
    }
    form.SetVisible("tabsUserParaBt", BluetoothApplies());
    form.SetEnabled("cmbProtocol", !ListHasNameComma(ReadCatalogue("ProtocolDisable"), model));
    FillSpeedList(form, "cmbPrintSpeed", model);
    StartTimer("ReadTimer");
    SetTimerInterval("tmA", DebugMode() ? 2000 : 50);
    StartTimer("tmA");
}

bool TParaSetKavo::BluetoothApplies() const {
    return !IsModelInList(Context().model, ReadCatalogue("NotHaveBT"));
}

void TParaSetKavo::BuildExtraRows() {
    TFormModel& form = Form();
    ExtraRows.Clear();
    ReleasePaperSupported =
        Permission("0135000001") == 1 || InBuiltInList(lists::ReleasePaperModels, Context().model);
    TObj_Ult_PrtPara& row = ExtraRows.Add(
        Txt("Lang_All_00210024_11"), form["cmbReleasePaper"].height,
        {{&form, "lblReleasePaper"}, {&form, "cmbReleasePaper"}, {&form, "txtTip_ReleasePaper"}});
    row.Visible = ReleasePaperSupported;
    if (!DebugMode()) {
        LayoutExtraRows();
    }
}

void TParaSetKavo::LayoutExtraRows() {
    TFormModel& form = Form();
    ExtraRows.Layout(form["gpbBT"].top);
    if (!DebugMode()) {
        const TControl& page = form["pagecA"];
        const TControl& set = form["btnSet"];
        const TControl& status = form["StatusBarA"];
        form.SetClientSize(2 * page.left + page.width, set.top + set.height + status.height + 6);
    }
}

void TParaSetKavo::InitLanguage() {
    TFormModel& form = Form();
    form.SetTitle(Txt("_ParaSet"));
    SaveOkText = Txt("_ParaSave_OK");
    const std::pair<const char*, const char*> captions[] = {
        {"tabsUserParaA", "Lang_All_00210091_11"},
        {"tabsUserParaB", "Lang_All_00210091_12"},
        {"tabsUserParaBt", "Lang_All_00210091_14"},
        {"btnSave", "Lang00010027"},
        {"btnLoad", "Lang00010026"},
        {"gpbBT", "_BTSet"},
        {"lblBTName", "_BTName"},
        {"lblBTPWD", "_BTPWD"},
        {"lblBTNameLen", "FormParaSet_Kavo_lblBTNameLen"},
        {"lblBTPWDLen", "FormParaSet_Tramwe_lblBTPWDLen"},
        {"gpbReprintWhenError", "FormParaSet_Tramwe_gpbReprintWhenError"},
        {"g5", "FormParaSet_Kavo_i9"},
        {"gpbAutoPosition", "FormParaSet_Tramwe_gpbAutoPosition"},
        {"tabsCOM", "FormParaSet_Tramwe_gpbCOMPortSet"},
        {"tabsEthernetSetting", "FormParaSet_Tramwe_gpbEthernetSetting"},
        {"lblDensity", "FormParaSet_Tramwe_lblDensity"},
        {"gpbPrintType", "FormParaSet_Tramwe_gpbPrintType"},
        {"lblDHCP", "FormParaSet_Tramwe_lblDHCP"},
        {"lblIPAddress", "FormParaSet_Tramwe_lblIPAddress"},
        {"lblSubnet", "FormParaSet_Tramwe_lblSubnet"},
        {"lblDefautGateway", "FormParaSet_Tramwe_lblDefautGateway"},
        {"gpbOther", "FormParaSet_Tramwe_gpbOther"},
        {"gpbLanguage", "FormParaSet_Tramwe_gpbLanguage"},
        {"lblJudgePaperMode", "FormParaSet_Tramwe_lblJudgePaperMode"},
        {"lblHeatAdj", "FormParaSet_Dovrin_lblHeatAdj"},
        {"lblPrintSpeed", "FormParaSet_Dovrin_lblPrintSpeed"},
        {"lblProtocol", "FormParaSet_Kavo_lblProtocol"},
        {"lblZPrintWidth", "FormPrintTextLabel_lblPrintableWidth"},
        {"lblZPrintHeight", "FormPrintTextLabel_lblPrintableHeight"},
        {"lblDRowOffset", "FormPrintTextLabel_lblDRowOffset"},
        {"lblDColumnOffset", "FormPrintTextLabel_lblDColumnOffset"},
        {"lblZPrintWidthRange", "FormParaSet_Kavo_lblZPrintWidthRange"},
        {"lblZPrintHeightRange", "FormParaSet_Kavo_lblZPrintHeightRange"},
        {"lblDRowOffsetRange", "FormParaSet_Kavo_lblDRowOffsetRange"},
        {"lblDColumnOffsetRange", "FormParaSet_Kavo_lblDColumnOffsetRange"},
        {"lblTearOffRange", "FormParaSet_Kavo_lblTearOffRange"},
        {"RadioGroup1", "FormParaSet_Dresk_SST"},
        {"lblDataBits", "FormParaSet_Kavo_lblDataBits"},
        {"lblBaudrate", "FormParaSet_Kavo_lblBaudRate"},
        {"lblStopBits", "FormParaSet_Kavo_lblStopBits"},
        {"lblParity", "FormParaSet_Kavo_lblParity"},
        {"lblCodepage", "FormParaSet_Kavo_lblCodepage"},
        {"lblTearOff", "FormParaSet_Kavo_lblTearOff"},
        {"lblPrintMode", "FormParaSet_Kavo_lblPrintMode"},
        {"lblReleasePaper", "Lang_All_00210024_11"},
        {"btnSet", "_Set"},
        {"btnClose", "_Close"},
    };
    for (const auto& [control, key] : captions) {
        form.SetText(control, Txt(key));
    }
    // The frames of the serial and Ethernet pages carry no caption.
    form.SetText("gpbCOMPortSet", "");
    form.SetText("gpbEthernetSetting", "");
    SetItemsFromKeys(form, "gpbReprintWhenError", {"_Disable", "_Enable"});
    const auto locate = {"FormParaSet_Kavo_Locate_None", "FormParaSet_Kavo_Locate_Feed",
                         "FormParaSet_Kavo_Locate_Calibation"};
    SetItemsFromKeys(form, "g5", locate);
    SetItemsFromKeys(form, "gpbAutoPosition", locate);
    SetItemsFromKeys(form, "gpbPrintType", {"_PrintType1", "_PrintType2"});
    SetItemsFromKeys(form, "cmbJudgePaperMode",
                     {"_PaperType_Label", "_PaperType_BlackMark", "_PaperType_Receipt"});
    SetItemsFromKeys(form, "RadioGroup1", {"FormParaSet_Dresk_SST_1", "FormParaSet_Dresk_SST_2"});
    SetItemsFromKeys(form, "cmbPrintMode",
                     {"FormParaSet_Kavo_cmbPrintMode_Item1", "FormParaSet_Kavo_cmbPrintMode_Item2",
                      "FormParaSet_Kavo_cmbPrintMode_Item3"});

    form.SetVisible("tabsUserParaA", true);
    form.SetVisible("tabsUserParaB", ExtraRows.VisibleCount >= 1 || DebugMode());
    BuildProtocolList();

    std::vector<std::string> release;
    for (const auto& [name, value] : ReleasePaperList) {
        release.push_back(value);
    }
    form.SetItems("cmbReleasePaper", std::move(release), -1);
    form.SetEnabled("cmbReleasePaper", ReleasePaperSupported);
    form.SetReadOnly("txtTip_ReleasePaper", true);
    form.SetText("txtTip_ReleasePaper", "");
}

void TParaSetKavo::BuildProtocolList() {
    TFormModel& form = Form();
    std::vector<std::string> entries = form["cmbProtocol"].items;
    if (const std::string custom = ReadCatalogue("KavoParaSetProList"); !custom.empty()) {
        entries = SplitText(custom, ',');
    }
    if (!InBuiltInList(lists::NoEplModels, Context().listName) &&
        ListHasNameComma(ReadCatalogue("HaveEPL"), Context().model)) {
        entries.push_back("EPL");
    }
    if (InBuiltInList(lists::DplModels, Context().listName)) {
        entries.push_back("DPL");
    }
    form.SetItems("cmbProtocol", std::move(entries), 0);
}

void TParaSetKavo::FormDestroy() {
    StopTimer("ReadTimer");
    StopTimer("StatusTimer");
    StopTimer("tmA");
    ReleasePaperList.clear();
    ExtraRows.Clear();
}

std::vector<std::string> TParaSetKavo::ParameterControls() const {
    std::vector<std::string> names = {"txtZPrintWidth",    "txtZPrintHeight", "txtDRowOffset",
                                      "txtDColumnOffset",  "txtBTName",       "txtBTPWD",
                                      "gpbAutoPosition",   "gpbPrintType",    "gpbReprintWhenError",
                                      "cmbJudgePaperMode", "cmbDensity",      "cmbDHCP"};
    for (const auto& [prefix, top] : kAddressRows) {
        for (int n = 1; n <= 4; ++n) {
            names.push_back(std::string(prefix) + std::to_string(n));
        }
    }
    for (const char* name :
         {"cmbHeatAdj", "cmbPrintSpeed", "cmbProtocol", "cmbCodepage", "cmbBaudrate", "cmbDataBits",
          "cmbStopBits", "cmbParity", "cmbPrintMode", "txtTearOff", "RadioGroup1", "g5", "cmbReleasePaper"}) {
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> TParaSetKavo::PossibleEntries(std::string_view list) const {
    if (list == "cmbDensity") {
        std::vector<std::string> all;
        for (int n = 0; n <= 30; ++n) {
            all.push_back(std::to_string(n));
        }
        return all;
    }
    if (list == "cmbCodepage") {
        std::vector<std::string> all = TsplCodePages();
        all.insert(all.end(), ZplCodePages().begin(), ZplCodePages().end());
        all.insert(all.end(), EplCodePages().begin(), EplCodePages().end());
        return all;
    }
    return TParaDialogModel::PossibleEntries(list);
}

} // namespace tolvane::params
