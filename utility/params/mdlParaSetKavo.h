// The parameter dialog of the key-value printers (`T_frmParaSet_Kavo`)
// without its window: every parameter is read by name with getval and
// written with setval, then "save_param", a wait of one second and
// "reset_printer".
#pragma once

#include "mdlParaDialogModel.h"
#include "mdlParaHelpers.h"
#include "mdlRowLayout.h"

#include <string>
#include <vector>

namespace tolvane::params {

// Extension rows on named controls.
struct TFormRowControl {
    TFormModel* form = nullptr;
    std::string name;
};
struct TFormRowOps {
    static void Hide(const TFormRowControl& c) { c.form->SetVisible(c.name, false); }
    static void Show(const TFormRowControl& c) { c.form->SetVisible(c.name, true); }
    static void SetTop(const TFormRowControl& c, int top) {
        c.form->Move(c.name, (*c.form)[c.name].left, top);
    }
};
using TObj_Ult_PrtPara = TLayoutRow<TFormRowControl>;
using TObj_Ult_PrtParaManage = TLayoutRows<TFormRowControl, TFormRowOps>;

class TParaSetKavo : public TParaDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmParaSet_Kavo";
    // Button positions when the file buttons are hidden.
    static constexpr int kSetLeftAlone = 222;
    static constexpr int kCloseLeftAlone = 370;
    // The wait between "save_param" and closing the port.
    static constexpr int kSaveWaitMs = 1000;

    explicit TParaSetKavo(TParaDialogContext context);
    ~TParaSetKavo() override;

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    void StartRead() override;
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    std::vector<std::string> PossibleEntries(std::string_view list) const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;
    std::optional<TFileQuestion> FileQuestion(std::string_view button) const override;

    // Handlers and steps, public so that tests and the view can run them.
    void ReadParameters();
    void ReplacePrintSetting();
    void cmbProtocolChange();
    void cmbDHCPChange();
    void cmbJudgePaperModeChange();
    void cmbReleasePaperChange();
    void UpdateReleasePaperTip();
    void ShowStatus(const std::string& text);
    // Names the controls left empty in the status line; false when none is.
    bool ShowUnreadStatus();
    bool SaveToFile(const std::string& path);
    bool LoadFromFile(const std::string& path);
    // Millimetres to dots and back for the Ardel printers; other printers
    // keep the text.
    std::string BbB(const std::string& mm) const;
    std::string CcC(const std::string& dots) const;

    // The keys of the parameter file, in the order written.
    static const std::vector<std::string>& ParaFileKeys();

    // Dialog state.
    std::string DpiText;
    std::string UnitText;
    std::string ProtocolRead;
    std::string CodePageRead;
    std::string LidKey = "platenin_enter_pause";
    bool SupportDhcp = true;
    bool SupportIp = true;
    bool SupportMask = true;
    bool SupportGateway = true;
    bool SupportBaud = true;
    bool SupportDataBits = true;
    bool SupportStopBits = true;
    bool SupportParity = true;
    bool ReleasePaperSupported = false;
    TNameValues ReleasePaperList;
    int ReleasePaperOffIndex = 0;
    bool ReleasePaperArmed = true;
    TObj_Ult_PrtParaManage ExtraRows;
    std::string SaveOkText;

    bool IsArdel() const { return Context().listName == "Ardel"; }
    // Whether the Bluetooth page applies to the printer.
    bool BluetoothApplies() const;

  protected:
    // Pieces the other key-value dialogs of the same form share.
    static std::string BluetoothNameShown(const std::string& reply);
    void BuildControls();
    void InitDialog();
    void BuildExtraRows();
    void LayoutExtraRows();
    void InitLanguage();
    void BuildProtocolList();
    void ReadAddress(const std::string& key, const char* field);
    void ReadReleasePaper();
    // ReadReleasePaper when the printer has it; a failure is reported and
    // arms the setting for the next write, and the read goes on.
    void ReadReleasePaperReported();
    void WriteAddress(const std::string& key, const char* field);
    void WriteAll();
    // The writes of the "Set" under way.
    TWriteTally Writes;
    void SetEnabledButtons(bool enabled);
    void ClearStatus();
};

} // namespace tolvane::params
