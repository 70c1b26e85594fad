// The Ethernet dialog (`TFormNet`) without its window: DHCP and the three
// addresses read and written by name. The advanced-settings window
// (`TfrmAdvancedSettings`) opens it for the printers that have it.
#pragma once

#include "mdlParaDialogModel.h"

#include <string>
#include <vector>

namespace tolvane::params {

class TFormNet : public TParaDialogModel {
  public:
    static constexpr const char* kClassName = "TFormNet";

    explicit TFormNet(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    // Texts, then the read (the port is opened afresh for it).
    void FormCreate() override;
    void FormShow() override {}
    void StartRead() override {}
    // Writes DHCP and the addresses by their rules, each only when it holds
    // a value (read, or given by the user); the dialog stays open and one
    // box says whether the printer took the writes.
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    void cmbDHCPChange();

    // Only the printers that have the Ethernet settings read and write them.
    bool IsHalden() const { return Context().model == "Halden"; }
    bool SupportDhcp = false;
    bool SupportIp = false;
    bool SupportMask = false;
    bool SupportGateway = false;

  private:
    struct TAddressRow;
    static const std::vector<TAddressRow>& AddressRows();
    // Whether "Set" writes the row: supported, allowed by the DHCP setting,
    // and all four fields filled.
    bool Writes(const TAddressRow& row) const;
    // Whether the four fields are numbers of 0 to 255.
    bool AddressFieldsValid(const char* field) const;
};

// The advanced-settings window: buttons for functions only some models
// have, laid out in two columns (or, in debug mode, a three-column grid).
class TAdvancedSettings : public TActionDialogModel {
  public:
    static constexpr const char* kClassName = "TfrmAdvancedSettings";
    static constexpr int kMargin = 30;
    static constexpr int kGridMargin = 6;
    static constexpr int kButtonWidth = 180;
    static constexpr int kButtonHeight = 40;

    explicit TAdvancedSettings(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override {}
    // btnEthernetSetting and btnFactoryParaSet: btnFactoryParaSetClick.
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    void btnFactoryParaSetClick();
    // The host opens another dialog by class name (modal, on the open port).
    std::function<void(const std::string& className)> OnOpenDialog;
    int ShownCount = 0;
};

} // namespace tolvane::params
