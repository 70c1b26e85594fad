// The parameter dialog of the Dresk printers (`T_frmParaSet_Dresk`) without
// its window: the Kavo dialog's form and named keys, read at once when the
// dialog is shown, without a status line, extension page or parameter file,
// written without "save_param".
#pragma once

#include "mdlParaSetKavo.h"

namespace tolvane::params {

class TParaSetDresk : public TParaSetKavo {
  public:
    static constexpr const char* kClassName = "T_frmParaSet_Dresk";
    // Where "Set" and the window's bottom go when the code page group is hidden.
    static constexpr int kLanguageGroupHeight = 47;

    explicit TParaSetDresk(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override;
    // The read runs in FormShow; there is no read timer.
    void StartRead() override {}
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    void LeaveField(std::string_view edit) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;
    std::optional<TFileQuestion> FileQuestion(std::string_view) const override { return std::nullopt; }

    void ParaReadGDS();
    void DreskReplacePrintSetting();

    // The stop position's limit: 90 for the models of "IsTealOff90", else 120.
    int TearOffLimit = 120;

    // The printers without Bluetooth keys, and those with the ribbon switch.
    bool NoBluetoothKeys() const;
    bool HasRibbonSwitch() const;
};

} // namespace tolvane::params
