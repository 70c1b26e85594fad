#include "mdlFormNet.h"

#include "mdlArdelLength.h"
#include "mdlFormLayout.h"
#include "mdlGlobal_Permission.h"
#include "mdlModelList.h"
#include "mdlParaHelpers.h"
#include "mdlPrinterLib_Call.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

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
    if (!PrtLib_BeginCommand()) {
        return;
    }
    if (SupportDhcp) {
        std::string unused;
        MapParaValue(form, "cmbDHCP", GetVal("eth_dhcp"), 0, unused, 0);
        cmbDHCPChange();
    }
    if (SupportIp) {
        ReadAddress("eth_ip", "txtIP");
    }
    if (SupportMask) {
        ReadAddress("eth_mask", "txtSubnet");
    }
    if (SupportGateway) {
        ReadAddress("eth_gateway", "txtGateway");
    }
    PrtLib_EndCommand();
}

void TFormNet::ReadAddress(const std::string& key, const char* field) {
    // A reply without four parts leaves the fields alone.
    ShowAddressReply(Form(), field, GetVal(key));
}

void TFormNet::WriteAddress(const std::string& key, const char* field) {
    if (const std::string value = AddressFromFields(Form(), field); !value.empty()) {
        CmdSetValLower(QuoteKey(key), value);
    }
}

void TFormNet::btnSetClick() {
    if (!IsHalden()) {
        return;
    }
    // The read closed the port: "Set" opens it again for its writes.
    if (!PrtLib_BeginCommand()) {
        return;
    }
    const std::string dhcp = Form()["cmbDHCP"].SelectedText();
    if (SupportDhcp) {
        CmdSetValLower(QuoteKey("eth_dhcp"), dhcp);
    }
    if (dhcp == "OFF" && SupportIp) {
        WriteAddress("eth_ip", "txtIP");
    }
    // The mask and the gateway are written whatever the DHCP setting.
    if (SupportMask) {
        WriteAddress("eth_mask", "txtSubnet");
    }
    if (SupportGateway) {
        WriteAddress("eth_gateway", "txtGateway");
    }
    PrtLib_EndCommand();
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
