#include "mdlFormNet.h"

#include "mdlArdelLength.h"
#include "mdlFormLayout.h"
#include "mdlGlobal_Permission.h"
#include "mdlMessageBoxes.h"
#include "mdlModelList.h"
#include "mdlParaHelpers.h"
#include "mdlParaReadState.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

#include <algorithm>

namespace tolvane::params {
namespace {

using K = TControlKind;
constexpr int kRow = 24;

const TLayoutEntry kNetLayout[] = {
    {"lblDHCP", K::Label, "", 16, 16, 140, kRow},           {"cmbDHCP", K::List, "", 160, 16, 100, kRow},
    {"lblIPAddress", K::Label, "", 16, 52, 140, kRow},      {"lblSubnet", K::Label, "", 16, 84, 140, kRow},
    {"lblDefautGateway", K::Label, "", 16, 116, 140, kRow}, {"btnSet", K::Button, "", 160, 160, 96, 30},
    {"btnClose", K::Button, "", 264, 160, 96, 30},
};
constexpr const char* kAddressRows[][2] = {{"txtIP", "52"}, {"txtSubnet", "84"}, {"txtGateway", "116"}};

// The buttons of the advanced-settings window with the models that have
// them (between commas) and their caption keys.
struct TAdvancedButton {
    const char* name;
    const char* models;
    const char* captionKey;
};
const TAdvancedButton kAdvancedButtons[] = {
    {"btnSetBTFunction", ",,,,", "_BTSet"},
    {"btnFactoryParaSet", ",,,", "Lang_All_00210172_12"},
    {"btnEthernetSetting", ",Halden,", "FormParaSet_Dovrin_gpbEthernetSetting"},
};

} // namespace

TFormNet::TFormNet(TParaDialogContext context) : TParaDialogModel(std::move(context)) {
    TFormModel& form = Form();
    AddLayout(form, kNetLayout);
    for (const auto& [prefix, top] : kAddressRows) {
        AddAddressRow(form, prefix, "", 160, std::stoi(top));
    }
    form["cmbDHCP"].items = {"ON", "OFF"};
    form["cmbDHCP"].index = 0;
    form.SetTitle("以太网设置");
    form.SetClientSize(392, 206);
    AddUnreadStatusLine(form);
}

void TFormNet::FormCreate() {
    TFormModel& form = Form();
    form.SetTitle(Txt("FormParaSet_Dovrin_gpbEthernetSetting"));
    form.SetText("lblDHCP", Txt("FormParaSet_Tramwe_lblDHCP"));
    form.SetText("lblIPAddress", Txt("FormParaSet_Tramwe_lblIPAddress"));
    form.SetText("lblSubnet", Txt("FormParaSet_Tramwe_lblSubnet"));
    form.SetText("lblDefautGateway", Txt("FormParaSet_Tramwe_lblDefautGateway"));
    form.SetText("btnSet", Txt("_Set"));
    form.SetText("btnClose", Txt("_Close"));
    SupportDhcp = SupportIp = SupportMask = SupportGateway = IsHalden();
    cmbDHCPChange();
    if (Offline) {
        return;
    }
    PrtLib_EndCommand();
    // Every control starts empty: a setting the printer gives no usable
    // value for stays empty, is named in the status line and is not written
    // (and when the port does not open, nothing is read at all).
    ClearParameterValues(*this);
    if (PrtLib_BeginCommand()) {
        if (SupportDhcp) {
            ReadWordPosition(form, "cmbDHCP", GetVal("eth_dhcp"), ParaValueTable(0));
        }
        if (SupportIp) {
            ReadAddressFields(form, "txtIP", GetVal("eth_ip"));
        }
        if (SupportMask) {
            ReadAddressFields(form, "txtSubnet", GetVal("eth_mask"));
        }
        if (SupportGateway) {
            ReadAddressFields(form, "txtGateway", GetVal("eth_gateway"));
        }
        PrtLib_EndCommand();
    }
    cmbDHCPChange();
    if (IsHalden()) {
        ShowUnreadStatusLine(*this);
    }
}

// The address rows and their keys, in the order they are written.
struct TFormNet::TAddressRow {
    const char* field;
    const char* key;
    bool TFormNet::*supported;
    bool onlyWithoutDhcp;
};

const std::vector<TFormNet::TAddressRow>& TFormNet::AddressRows() {
    // The mask and the gateway are written whatever the DHCP setting.
    static const std::vector<TAddressRow> rows = {
        {"txtIP", "eth_ip", &TFormNet::SupportIp, true},
        {"txtSubnet", "eth_mask", &TFormNet::SupportMask, false},
        {"txtGateway", "eth_gateway", &TFormNet::SupportGateway, false},
    };
    return rows;
}

bool TFormNet::Writes(const TAddressRow& row) const {
    return this->*row.supported && (!row.onlyWithoutDhcp || Form()["cmbDHCP"].SelectedText() == "OFF") &&
           !AddressFromFields(Form(), row.field).empty();
}

void TFormNet::btnSetClick() {
    if (!IsHalden()) {
        return;
    }
    const TFormModel& form = Form();
    const bool dhcp = SupportDhcp && HasValue(form, "cmbDHCP");
    const std::vector<TAddressRow>& rows = AddressRows();
    const bool anyAddress =
        std::any_of(rows.begin(), rows.end(), [this](const TAddressRow& row) { return Writes(row); });
    // Nothing read and nothing given: nothing is written and no success shown.
    if (!dhcp && !anyAddress) {
        ShowNothingToSet();
        return;
    }
    // An address is checked only when it is written: four numbers of 0 to
    // 255. A row with an empty field is not written at all.
    for (const TAddressRow& row : rows) {
        if (Writes(row) && !AddressFieldsValid(row.field)) {
            ShowErrorBox(TxtWith("Lang_All_00010013_11", ControlCaption(form, std::string(row.field) + "1")));
            return;
        }
    }
    // The read closed the port: "Set" opens it again for its writes.
    if (!PrtLib_BeginCommand()) {
        return;
    }
    bool taken = !dhcp || CmdSetValLower(QuoteKey("eth_dhcp"), form["cmbDHCP"].SelectedText()) == 0;
    for (const TAddressRow& row : rows) {
        if (taken && Writes(row)) {
            taken = CmdSetValLower(QuoteKey(row.key), AddressFromFields(form, row.field)) == 0;
        }
    }
    PrtLib_EndCommand();
    // The dialog stays open; one box says whether the printer took the writes.
    if (taken) {
        ShowInfo(Txt("_ParaSet_OK"));
    } else {
        ShowErrorBox(Txt("_Err_WriteData"));
    }
}

bool TFormNet::AddressFieldsValid(const char* field) const {
    for (int n = 1; n <= 4; ++n) {
        const std::optional<long> part = ParseSmallInteger(Trim(Form()[field + std::to_string(n)].text));
        if (!part || *part < 0 || *part > 255) {
            return false;
        }
    }
    return true;
}

void TFormNet::cmbDHCPChange() {
    const bool manual = Form()["cmbDHCP"].index == 1;
    for (const auto& [prefix, top] : kAddressRows) {
        for (int n = 1; n <= 4; ++n) {
            Form().SetEnabled(prefix + std::to_string(n), manual);
        }
    }
}

std::vector<std::string> TFormNet::ParameterControls() const {
    std::vector<std::string> names = {"cmbDHCP"};
    for (const auto& [prefix, top] : kAddressRows) {
        for (int n = 1; n <= 4; ++n) {
            names.push_back(std::string(prefix) + std::to_string(n));
        }
    }
    return names;
}

bool TFormNet::AcceptsKey(std::string_view, char32_t key) const {
    return (key >= '0' && key <= '9') || key == 8 || key == 13 || key == 127;
}

void TFormNet::LeaveField(std::string_view edit) {
    TFormModel& form = Form();
    // A field left empty holds no value and stays so: its row is not written.
    if (!HasValue(form, edit)) {
        return;
    }
    const std::optional<long> value = ParseSmallInteger(Trim(form[edit].text));
    if (!value) {
        form.SetText(edit, "0");
    } else if (*value > 255) {
        form.SetText(edit, "255");
    }
}

void TFormNet::UserChanged(std::string_view control) {
    if (control == "cmbDHCP") {
        cmbDHCPChange();
    }
}

void TFormNet::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnSet") {
        btnSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

// ---- the advanced-settings window ----

TAdvancedSettings::TAdvancedSettings(TParaDialogContext context) : TActionDialogModel(std::move(context)) {
    for (const TAdvancedButton& button : kAdvancedButtons) {
        TControl& control = Form().Add(button.name, K::Button);
        control.visible = false;
        control.width = kButtonWidth;
        control.height = kButtonHeight;
    }
}

void TAdvancedSettings::FormCreate() {
    TFormModel& form = Form();
    const std::string& model = Context().model;
    ShownCount = 0;
    for (const TAdvancedButton& button : kAdvancedButtons) {
        if (!IsModelInList(model, button.models)) {
            continue;
        }
        ++ShownCount;
        form.SetVisible(button.name, true);
        if (ShownCount % 2 == 1) {
            form.Move(button.name, kMargin, kMargin + (kButtonHeight + kMargin) * (ShownCount / 2));
        } else {
            form.Move(button.name, 2 * kMargin + kButtonWidth,
                      kMargin + (kButtonHeight + kMargin) * (ShownCount / 2 - 1));
        }
    }
    if (DebugMode()) {
        // The factory button joins the three-column grid as its first button.
        const int placed = 0;
        const int column = placed % 3;
        form.SetVisible("btnFactoryParaSet", true);
        form.Move("btnFactoryParaSet",
                  column == 0 ? kGridMargin : column * kButtonWidth + (column + 1) * kGridMargin,
                  (placed / 3) * (kButtonHeight + kGridMargin) + kGridMargin);
    }
    form.SetClientSize(3 * kMargin + 2 * kButtonWidth, (ShownCount / 2 + 2) * kButtonHeight + 3 * kMargin);
    form.SetTitle(Txt("Lang_All_00210172_14"));
    for (const TAdvancedButton& button : kAdvancedButtons) {
        form.SetText(button.name, Txt(button.captionKey));
    }
}

void TAdvancedSettings::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnFactoryParaSet" || button == "btnEthernetSetting") {
        btnFactoryParaSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

void TAdvancedSettings::btnFactoryParaSetClick() {
    const bool opened = PrtLib_BeginCommand();
    if (!opened && !DebugMode()) {
        return;
    }
    // Only the printers with the Ethernet settings have a dialog behind
    // these buttons; for the others nothing opens.
    if (Context().model == "Halden" && OnOpenDialog) {
        OnOpenDialog(TFormNet::kClassName);
    }
    if (opened) {
        PrtLib_EndCommand();
    }
}

} // namespace tolvane::params
