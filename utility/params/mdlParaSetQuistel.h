// The parameter dialog of the Quistel printers (`T_frmParaSet_Quistel`)
// without its window: numbered keys read when the dialog is shown and
// written on "Set", which ends with "reset_printer". A control the printer
// gave no usable value for stays empty and is not written.
#pragma once

#include "mdlParaDialogModel.h"
#include "mdlParaHelpers.h"

#include <string>
#include <vector>

namespace tolvane::params {

class TParaSetQuistel : public TParaDialogModel {
  public:
    static constexpr const char* kClassName = "T_frmParaSet_Quistel";
    static constexpr int kStopLimit = 99;

    explicit TParaSetQuistel(TParaDialogContext context);

    std::string ClassName() const override { return kClassName; }
    void FormCreate() override {}
    // Builds the texts and reads every key.
    void FormShow() override;
    void StartRead() override {}
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // The read of every key (each one opens and closes the port), then the
    // status line naming the controls left without a value.
    void kivhe8v();
    // The keys in order into their controls; a reply that is no value of
    // its control leaves the control empty. A key the printer does not
    // answer ends the read with its error box; false then.
    bool ReadKeys();
    // Checks the fields that will be written; false after showing what is wrong.
    bool ValidateEntries();
    // The writes on the open port, of the controls that hold a value;
    // false after the first failed one.
    bool WriteAll();

    // Which rows apply to the printer.
    bool IsQuistelC() const { return Context().model == "Quistel-C"; }
    // The stop position goes as a two's complement word to the family's
    // first models; the others take the word with the high byte divided.
    bool SignedStopWord() const;
    bool RePrintRowApplies = false;
    bool PaperModeRowApplies = false;
    bool CutterRowApplies = false;
    bool ReleasePaperSupported = false;
    bool MinLengthRowApplies = false;

    TNameValues RePrintList;
    TNameValues CutterList;
    TNameValues PaperModeList;
    TNameValues ReleasePaperList;

  private:
    void BuildControls();
    void InitLanguage();
};

} // namespace tolvane::params
