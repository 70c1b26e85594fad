// The test print of the TSPL label printers (`T_frmPrintTextLabel`) and of
// the Miro Bluetooth family (`T_frmPrintTextLabelCpclMirobt`) without their
// windows: one dialog whose variant only changes how the models that
// print their test text as CPCL get it. The text goes out as a TSPL label
// (CLS, SIZE, a TEXT line per text line, PRINT 1) through Tsprix.
#pragma once

#include "mdlParaDialogModel.h"
#include "mdlPrintTextCommon.h"

#include <string>
#include <vector>

namespace tolvane::diagnostics {

class TPrintTextLabel : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmPrintTextLabel";
    static constexpr const char* kMiroClassName = "T_frmPrintTextLabelCpclMirobt";
    static constexpr int kMinSizeMm = 10;
    static constexpr int kMaxHeightMm = 210;
    static constexpr TLanguageGroup kLanguage = {"cbxLanguage", "cmbInternationalCharacter"};

    // `maxWidthMm`: the model's widest printable width in millimetres.
    TPrintTextLabel(params::TParaDialogContext context, bool miroVariant, std::string maxWidthMm);

    std::string ClassName() const override { return miro_ ? kMiroClassName : kClassName; }
    void FormCreate() override;
    void FormShow() override;
    void btnSetClick() override { btnPrintClick(); }
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // Handlers, public so that tests and the command line run them.
    void btnPrintClick();
    // The exit check of the width and height edits.
    void CheckValue(std::string_view edit);

    bool MiroVariant() const { return miro_; }
    int MaxWidthMm() const;

  private:
    void BuildControls();
    void InitLanguage();
    // The prints after the port is open; false when the port is to be
    // closed with nothing more (every path closes it).
    void PrintCpclLines(const std::vector<std::string>& lines);
    void PrintMiroLabel(const std::vector<std::string>& lines);
    void PrintTsplLabel(const std::string& text);

    bool miro_;
    std::string maxWidthMm_;
};

} // namespace tolvane::diagnostics
