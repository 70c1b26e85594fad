// The Kavo dialog's handlers: key filters, exit checks, list changes and the
// parameter file.
#include "mdlParaSetKavo.h"

#include "mdlArdelLength.h"
#include "mdlMessageBoxes.h"
#include "mdlParaFile.h"
#include "mdlParaLists.h"

#include <algorithm>

namespace tolvane::params {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;
constexpr char32_t kDelete = 127;

bool IsAddressField(std::string_view edit) {
    for (const std::string_view prefix : {"txtIP", "txtSubnet", "txtGateway"}) {
        if (edit.size() == prefix.size() + 1 && edit.substr(0, prefix.size()) == prefix &&
            edit.back() >= '1' && edit.back() <= '4') {
            return true;
        }
    }
    return false;
}

bool Digit(char32_t key) {
    return key >= '0' && key <= '9';
}

} // namespace

bool TParaSetKavo::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool control = key == kBackspace || key == kEnter;
    if (edit == "txtZPrintWidth" || edit == "txtZPrintHeight" || edit == "txtDRowOffset" ||
        IsAddressField(edit)) {
        return Digit(key) || control || key == kDelete;
    }
    if (edit == "txtTearOff" || edit == "txtDColumnOffset") {
        return Digit(key) || control || key == kDelete || key == '-';
    }
    if (edit == "txtBTName") {
        return (key >= 33 && key <= 127) || control;
    }
    if (edit == "txtBTPWD") {
        return Digit(key) || control || key == kDelete;
    }
    return true;
}

void TParaSetKavo::LeaveField(std::string_view edit) {
    TFormModel& form = Form();
    const std::string text = Trim(form[edit].text);
    const std::optional<long> value = ParseSmallInteger(text);
    if (IsAddressField(edit)) {
        // CheckValue: 0 to 255.
        if (text.empty()) {
            form.SetText(edit, "0");
        } else if (value && *value >= 256) {
            form.SetText(edit, "255");
        } else if (value && *value < 0) {
            form.SetText(edit, "0");
        }
    } else if (edit == "txtTearOff") {
        // CheckValue_: -120 to 120. A text that is no number (a lone "-")
        // cannot be sent as a stop position either: it becomes 0.
        if (text.empty() || !value) {
            form.SetText(edit, "0");
        } else if (*value > 120) {
            form.SetText(edit, "120");
        } else if (*value < -120) {
            form.SetText(edit, "-120");
        }
    }
}

void TParaSetKavo::UserChanged(std::string_view control) {
    if (control == "cmbProtocol") {
        cmbProtocolChange();
    } else if (control == "cmbDHCP") {
        cmbDHCPChange();
    } else if (control == "cmbJudgePaperMode") {
        cmbJudgePaperModeChange();
    } else if (control == "cmbReleasePaper") {
        cmbReleasePaperChange();
    }
}

void TParaSetKavo::cmbProtocolChange() {
    TFormModel& form = Form();
    const int position = form["cmbProtocol"].index;
    if (position == 0) {
        FillDensityList(form, "cmbDensity", 15);
        SelectItemByText(form, "cmbDensity", "7");
        FillTsplCodePages(form, "cmbCodepage");
    } else if (position == 2) {
        FillDensityList(form, "cmbDensity", 15);
        SelectItemByText(form, "cmbDensity", "7");
        FillEplCodePages(form, "cmbCodepage");
    } else {
        FillDensityList(form, "cmbDensity", 30);
        SelectItemByText(form, "cmbDensity", "15");
        FillZplCodePages(form, "cmbCodepage");
    }
    // The printer's own code page comes back when its language is chosen
    // again ("tspl" is the printer's word for the list's "TSC").
    std::string chosen = LowerAscii(form["cmbProtocol"].SelectedText());
    std::string read = LowerAscii(ProtocolRead);
    if (chosen == "tsc") {
        chosen = "tspl";
    }
    if (read == "tsc") {
        read = "tspl";
    }
    if (!read.empty() && chosen == read) {
        SelectCodePage(form, "cmbCodepage", CodePageRead);
    } else {
        form.SetIndex("cmbCodepage", 0);
    }
}

void TParaSetKavo::cmbDHCPChange() {
    TFormModel& form = Form();
    const bool manual = form["cmbDHCP"].index == 1;
    for (const char* prefix : {"txtIP", "txtSubnet", "txtGateway"}) {
        for (int n = 1; n <= 4; ++n) {
            form.SetEnabled(prefix + std::to_string(n), manual);
        }
    }
}

void TParaSetKavo::cmbJudgePaperModeChange() {
    Form().SetIndex("RadioGroup1", Form()["cmbJudgePaperMode"].index == 0 ? 1 : 0);
}

void TParaSetKavo::cmbReleasePaperChange() {
    if (ReleasePaperArmed) {
        UpdateReleasePaperTip();
    }
}

void TParaSetKavo::UpdateReleasePaperTip() {
    TFormModel& form = Form();
    form.SetText("txtTip_ReleasePaper", "");
    const TControl& list = form["cmbReleasePaper"];
    std::string name;
    if (!FindNameByValue(ReleasePaperList, list.SelectedText(), name)) {
        return;
    }
    const std::string head = Txt("Lang_All_00210024_11") + Txt("Lang_All_00010002_11");
    if (list.index == ReleasePaperOffIndex) {
        form.SetText("txtTip_ReleasePaper", head + Txt("Lang_All_00210026_11"));
    } else {
        form.SetText("txtTip_ReleasePaper", head + TxtWith("Lang_All_00210027_11", list.SelectedText()));
    }
}

// ---- buttons and the parameter file ----

std::optional<TParaDialogModel::TFileQuestion> TParaSetKavo::FileQuestion(std::string_view button) const {
    if (button == "btnSave") {
        return TFileQuestion{true, "*.ini|*.ini", ".ini"};
    }
    if (button == "btnLoad") {
        return TFileQuestion{false, "*.ini|*.ini", {}};
    }
    return std::nullopt;
}

void TParaSetKavo::ButtonClick(std::string_view button, const std::optional<std::string>& chosenPath) {
    if (button == "btnSet") {
        btnSetClick();
        return;
    }
    if (button == "btnClose") {
        RequestClose();
        return;
    }
    if ((button != "btnSave" && button != "btnLoad") || !chosenPath) {
        return;
    }
    if (const std::optional<std::string> error = ParaFileNameError(*chosenPath)) {
        ShowErrorBox(*error);
        return;
    }
    if (button == "btnSave") {
        if (SaveToFile(*chosenPath)) {
            ShowInfo(SaveOkText);
        } else {
            ShowErrorBox(Txt("_Err_WriteData") + ":" + *chosenPath);
        }
    } else {
        LoadFromFile(*chosenPath);
    }
}

const std::vector<std::string>& TParaSetKavo::ParaFileKeys() {
    static const std::vector<std::string> keys = [] {
        std::vector<std::string> all = {"gpbReprintWhenError", "g5",
                                        "gpbPrintType",        "gpbAutoPosition",
                                        "RadioGroup1",         "txtTearOff",
                                        "cmbPrintMode",        "cmbJudgePaperMode",
                                        "cmbDensity",          "cmbHeatAdj",
                                        "cmbPrintSpeed",       "cmbProtocol",
                                        "txtZPrintWidth",      "txtZPrintHeight",
                                        "txtDRowOffset",       "txtDColumnOffset",
                                        "cmbCodepage",         "cmbDHCP"};
        for (const char* prefix : {"txtIP", "txtSubnet", "txtGateway"}) {
            for (int n = 1; n <= 4; ++n) {
                all.push_back(prefix + std::to_string(n));
            }
        }
        for (const char* key : {"cmbBaudrate", "cmbDataBits", "cmbStopBits", "cmbParity", "txtBTName",
                                "txtBTPWD", "cmbReleasePaper"}) {
            all.emplace_back(key);
        }
        return all;
    }();
    return keys;
}

bool TParaSetKavo::SaveToFile(const std::string& path) {
    return SaveParaFile(path, Form(), ParaFileKeys());
}

bool TParaSetKavo::LoadFromFile(const std::string& path) {
    const auto accepts = [this](const std::string& edit, const std::string& text) {
        return AcceptsText(edit, text);
    };
    const TParaFileLoad loaded = LoadParaFile(path, Form(), ParaFileKeys(), accepts);
    if (!loaded.ok) {
        ShowErrorBox(TxtWith("_Err_ParaFileValue", loaded.badKey));
        return false;
    }
    cmbDHCPChange();
    UpdateReleasePaperTip();
    return true;
}

} // namespace tolvane::params
