// The test print of every printer that is not a TSPL label printer
// (`T_frmPrintText`) without its window: the text goes out in the job of
// the printer's command language (ZPL, EPL, a CPCL label chosen by the
// printer's paper mode, or plain text), through the library of the
// current command language.
#pragma once

#include "mdlParaDialogModel.h"
#include "mdlParaSetKavo.h"
#include "mdlPrintTextCommon.h"
#include "mdlPrintTextJobs.h"

#include <string>
#include <vector>

namespace tolvane::diagnostics {

class TPrintText : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmPrintText";
    static constexpr TLanguageGroup kLanguage = {"CheckBox1", "cmbInternationalCharacter"};
    // The key of the paper-mode byte.
    static constexpr uint16_t kPaperModeKey = 312;

    explicit TPrintText(params::TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    void btnSetClick() override { btnPrintClick(); }
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    void btnPrintClick();

    // The job type for the printer; for CPCL printers with the paper-mode
    // check it asks the printer (on its open port). `trailer` is set for
    // the answer that asks for line feeds after the job.
    TPrintJobType ChooseJobType(bool& trailer);

  private:
    void BuildControls();
    void InitLanguage();
    void LayoutRows();
    TPrintJobOptions JobOptions() const;

    params::TObj_Ult_PrtParaManage rows_;
};

} // namespace tolvane::diagnostics
