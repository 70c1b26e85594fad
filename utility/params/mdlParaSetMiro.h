// The parameter dialog of the Miro printers (`T_frmParaSet_Miro`) without
// its window: every parameter is a numbered key, read one after the other
// until the first failed read, written in the same order, then
// "save_param_zone" and "reset_printer".
#pragma once

#include "mdlMiroCodePages.h"
#include "mdlParaDialogModel.h"
#include "mdlParaHelpers.h"

#include <string>
#include <vector>

namespace tolvane::params {

class TParaSetMiro : public TParaDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmParaSet_Miro";

    explicit TParaSetMiro(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    // Builds the texts and lists and reads every key.
    void FormShow() override;
    // The read runs in FormShow.
    void StartRead() override {}
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    std::vector<std::string> PossibleEntries(std::string_view list) const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // The read on the open port: pending data discarded, then every key in
    // order until the first failed read, which shows the read error box.
    void ReadParam();
    void ReplacePrintSetting();
    void cmbDHCPChange();

    // Which rows apply to the printer.
    bool BluetoothShown = false;
    // Whether the simple-pairing tick box holds the printer's value or the
    // user's (a tick box cannot show that it was not read).
    bool SimplePairingKnown = false;
    bool EthernetShown = false;
    // The network switch row; no option of the program offers it yet.
    bool EthernetSwitchOffered = false;
    bool HeatingTimeShown = false;
    bool ReleasePaperSupported = false;
    // The command language the printer reported ("ppl"), read when the
    // code page list depends on it.
    std::string LanguageText;
    TMiroCodePageList CodePageList = TMiroCodePageList::None;
    bool CodePageRowApplies() const { return !Form()["cmbCodepage"].items.empty(); }

    // The speed list's bounds.
    int SpeedLow = 4;
    int SpeedHigh = 7;

    TNameValues DhcpList;
    TNameValues HeatingTimeList;
    TNameValues ReleasePaperList;
    TNameValues CodePageNames;

    // Detect mode: list position to the printer's value and back.
    static int DetectModeValue(int position);
    static int DetectModePosition(int value);

  private:
    void BuildControls();
    void InitLanguage();
    void BuildSpeedList(bool portOpen);
    bool ReadAddress(uint16_t key, const char* field);
    // Writes an address whose four fields hold numbers; false when one does not.
    bool WriteAddress(uint16_t key, const char* field);
    // The writes of the "Set" under way.
    TWriteTally Writes;
};

} // namespace tolvane::params
