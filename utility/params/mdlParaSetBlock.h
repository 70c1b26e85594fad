// The parameter dialog of the parameter-block printers without its window,
// one class for the eighteen families: the family's layout says which byte
// holds which control, its form data which controls the window shows, and a
// few hooks (mdlParaSetBlockConditions.cpp) what depends on the printer.
//
// The dialog reads the 256-byte block once, unpacks it into the controls,
// and on "Set" packs the controls the user changed back into the same block
// and writes it whole, so every byte it does not show goes back as it came.
#pragma once

#include "mdlBlockLayouts.h"
#include "mdlConfigBlock.h"
#include "mdlParaDialogModel.h"
#include "mdlParaSetKavo.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tolvane::params {

class TParaSetBlock : public TParaDialogModel {
  public:
    // The wait before a failed read closes the dialog.
    static constexpr int kCloseAfterFailureMs = 100;

    TParaSetBlock(TBlockFamily family, TParaDialogContext context);
    ~TParaSetBlock() override;

    std::string ClassName() const override { return BlockDialogClassName(family_); }
    TBlockFamily Family() const { return family_; }

    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    void StartRead() override;
    void btnSetClick() override;
    std::vector<std::string> ParameterControls() const override;
    bool AcceptsKey(std::string_view edit, char32_t key) const override;
    void LeaveField(std::string_view edit) override;
    void UserChanged(std::string_view control) override;
    void ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath = {}) override;

    // Unpacks every field of the layout that applies (SplitSetting), and
    // remembers what each control showed.
    void SplitSetting();
    // Packs the controls that the user changed into Block; false (Block
    // unchanged, an error box shown) when a value cannot be encoded.
    bool ReplacePrintSetting();
    void cmbDetectModeChange();
    // Whether the printer reads and writes a control's bytes (a family
    // condition can leave some out).
    bool Applies(std::string_view control) const;

    // The block as read, and the fields this printer reads and writes.
    TConfigBlock Block{};
    bool BlockRead = false;
    std::vector<TBlockField> Fields;

    // Family conditions, set when the dialog is shown.
    bool BluetoothApplies = true;     // Dapra, Fenno, Oskin, Sendo
    bool ProtocolTypeApplies = true;  // Dapra: the permission
    bool ReprintApplies = true;       // Sendo: not for NoReprintModels
    bool OnlyChinese = false;         // the model's language is fixed
    TObj_Ult_PrtParaManage SendoRows; // Sendo: its rows
    TNameValues ProtocolTypeList;     // Dapra: protocol number = text

  private:
    void InitLanguage();
    void FillLists();
    void ApplyFamilyConditions();
    void ApplyDapra();
    void ApplyFenno();
    void ApplyOskin();
    void ApplyPirvo();
    void ApplySendo();
    void ApplyOnlyChinese();
    void LayoutSendoRows();
    bool FieldApplies(const TBlockField& field) const;
    bool PasswordCheckApplies() const;
    // Whether the printer reports the block back as it was sent.
    bool StoredAsSent(const TConfigBlock& sent) const;
    std::string ShownValue(const TControl& control) const;
    // The numbers the entries of a field's list stand for, when not their positions.
    std::vector<std::string> EntryNumbers(const TBlockField& field) const;

    TBlockFamily family_;
    std::set<std::string, std::less<>> skipped_;            // controls neither read nor written
    std::map<std::string, std::string, std::less<>> shown_; // what each control showed after the read
};

} // namespace tolvane::params
