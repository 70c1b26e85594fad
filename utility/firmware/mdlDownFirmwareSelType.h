// TfrmDownFirmwareSelType: the choice of the update method ("DFU 01" by the
// external updater, "BIN 01" by OTA packets), optionally preselected from
// the printer's answer and locked.
#pragma once

#include "mdlFirmwareDialog.h"
#include "mdlFirmwareFlow.h"
#include "mdlParaHelpers.h"

#include <string>

namespace tolvane::firmware {

class TDownFirmwareSelType final : public params::TActionDialogModel {
  public:
    static constexpr const char* kClassName = "TfrmDownFirmwareSelType";
    explicit TDownFirmwareSelType(params::TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override;
    void FormShow() override {}
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // Selects the code's entry; with `lock` the list cannot be changed.
    void Preselect(const std::string& code, bool lock);
    // After the dialog closed: whether OK was pressed, and the chosen code.
    bool Accepted() const { return accepted_; }
    const std::string& Code() const { return code_; }

  private:
    std::string SelectedCode() const;
    void ShowSelection();

    params::TNameValues methods_; // code = display text
    bool accepted_ = false;
    std::string code_;
};

} // namespace tolvane::firmware
