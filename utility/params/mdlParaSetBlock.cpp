// The block dialog's life cycle: creation, showing, the read and "Set".
#include "mdlParaSetBlock.h"

#include "mdlBlockForms.h"
#include "mdlEscCodePages.h"
#include "mdlMessageBoxes.h"
#include "mdlParaLists.h"
#include "mdlPrtCommands.h"
#include "mdlPrtFrames.h"

#include <algorithm>

namespace tolvane::params {

using enum TBlockFamily;

TParaSetBlock::TParaSetBlock(TBlockFamily family, TParaDialogContext context)
    : TParaDialogModel(std::move(context)), family_(family) {
    BuildBlockForm(family_, Form());
    Fields = BlockLayout(family_);
    if (family_ != Sendo) {
        LayoutBlockForm(Form());
    }
}

TParaSetBlock::~TParaSetBlock() = default;

void TParaSetBlock::FormCreate() {
    AddTimer("ReadTimer", 10, [this] {
        StopTimer("ReadTimer");
        StartRead();
    });
    // Closes the dialog shortly after a failed read.
    AddTimer("Timer1", kCloseAfterFailureMs, [this] {
        StopTimer("Timer1");
        RequestClose();
    });
}

void TParaSetBlock::FormShow() {
    InitLanguage();
    FillLists();
    ApplyFamilyConditions();
    StartTimer("ReadTimer");
}

void TParaSetBlock::FormDestroy() {
    StopTimer("ReadTimer");
    StopTimer("Timer1");
    SendoRows.Clear();
}

void TParaSetBlock::InitLanguage() {
    TFormModel& form = Form();
    form.SetTitle(Txt(family_ == Quist ? "Ostrel_ParaSet" : "_ParaSet"));
    ApplyBlockTexts(family_, form);
}

void TParaSetBlock::FillLists() {
    TFormModel& form = Form();
    if (form.Find("cmbCodepage") != nullptr) {
        form.SetItems("cmbCodepage", EscCodePageListNames(), 0);
    }
    if (form.Find("cmbPrintSpeed") != nullptr && family_ != Oskin && family_ != Fenno) {
        const std::string& name =
            family_ == Sendo && Context().listName == "TessinBT" ? Context().listName : Context().model;
        FillSpeedList(form, "cmbPrintSpeed", name);
    }
}

void TParaSetBlock::StartRead() {
    StopTimer("ReadTimer");
    std::string message;
    TConfigBlock received{};
    if (!ReadConfigBlock(received, message)) {
        ShowErrorBox(message);
        if (family_ == Sendo) {
            Form().SetEnabled("btnSet", false);
        } else {
            StartTimer("Timer1");
        }
        return;
    }
    Block = received;
    BlockRead = true;
    SplitSetting();
}

bool TParaSetBlock::Applies(std::string_view control) const {
    return !skipped_.contains(control);
}

bool TParaSetBlock::FieldApplies(const TBlockField& field) const {
    return Applies(field.control);
}

std::string TParaSetBlock::ShownValue(const TControl& control) const {
    return std::to_string(control.index) + "|" + control.text;
}

std::vector<std::string> TParaSetBlock::EntryNumbers(const TBlockField& field) const {
    std::vector<std::string> numbers;
    if (family_ == Dapra && field.codec == TBlockCodec::Protocol) {
        for (const auto& [number, text] : ProtocolTypeList) {
            numbers.push_back(number);
        }
    }
    return numbers;
}

void TParaSetBlock::SplitSetting() {
    TFormModel& form = Form();
    for (const TBlockField& field : Fields) {
        if (FieldApplies(field)) {
            UnpackField(field, Block, form, EntryNumbers(field));
        }
    }
    shown_.clear();
    for (const TBlockField& field : Fields) {
        shown_[std::string(field.control)] = ShownValue(form[field.control]);
    }
    if (family_ == Sendo) {
        cmbDetectModeChange();
    }
}

bool TParaSetBlock::ReplacePrintSetting() {
    const TFormModel& form = Form();
    TConfigBlock packed = Block;
    for (const TBlockField& field : Fields) {
        if (!FieldApplies(field)) {
            continue;
        }
        // A control the user left as it was shown keeps its bytes, so that
        // a value the lists cannot show goes back unchanged.
        const auto shown = shown_.find(field.control);
        if (shown != shown_.end() && shown->second == ShownValue(form[field.control])) {
            continue;
        }
        if (!PackField(field, form, packed, EntryNumbers(field))) {
            const std::string label = BlockLabelOf(field.control);
            const TControl* caption = label.empty() ? form.Find(field.control) : form.Find(label);
            ShowErrorBox(TxtWith("FormParaSet_Block_ErrValue", caption != nullptr && !caption->text.empty()
                                                                   ? caption->text
                                                                   : std::string(field.control)));
            return false;
        }
    }
    Block = packed;
    return true;
}

bool TParaSetBlock::PasswordCheckApplies() const {
    return (family_ == Oskin || family_ == Fenno) && BluetoothApplies;
}

bool TParaSetBlock::StoredAsSent(const TConfigBlock& sent) const {
    // The block write has no reply: the printer took the block when it
    // reports it back as it was sent (a printer refuses a block it cannot
    // store and keeps its old one).
    TConfigBlock stored{};
    std::string message;
    return ReadConfigBlock(stored, message) && stored == sent;
}

void TParaSetBlock::btnSetClick() {
    TFormModel& form = Form();
    if (!BlockRead || !form["btnSet"].enabled) {
        return;
    }
    if (PasswordCheckApplies() && Trim(form["txtBTPWD"].text).size() != 4) {
        ShowErrorBox(Txt("_Err_BTPWD_Len"));
        return;
    }
    if (!ReplacePrintSetting()) {
        return;
    }
    TConfigBlock sent = Block;
    if (WriteConfigBlock(sent) && StoredAsSent(sent)) {
        if (family_ == Oskin || family_ == Fenno) {
            CmdDo(QuoteKey("reset_printer"));
        }
        ShowInfo(Txt("_ParaSet_OK"));
    } else {
        ShowErrorBox(Txt("_Err_ParaSet"));
    }
    RequestClose();
}

std::vector<std::string> TParaSetBlock::ParameterControls() const {
    std::vector<std::string> names;
    for (const TBlockField& field : Fields) {
        if (field.codec == TBlockCodec::PelsoPaperSense || field.codec == TBlockCodec::DovrinPaperSense) {
            continue;
        }
        const std::string name(field.control);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
    }
    return names;
}

void TParaSetBlock::ButtonClick(std::string_view button, const std::optional<std::string>&) {
    if (button == "btnSet") {
        btnSetClick();
    } else if (button == "btnClose") {
        RequestClose();
    }
}

} // namespace tolvane::params
