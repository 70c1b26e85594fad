// The block dialog's key filters, exit checks and change handlers.
#include "mdlParaSetBlock.h"

#include "mdlBlockForms.h"

#include <algorithm>

namespace tolvane::params {
namespace {

constexpr char32_t kBackspace = 8;
constexpr char32_t kEnter = 13;
constexpr char32_t kDelete = 127;

bool Digit(char32_t key) {
    return key >= '0' && key <= '9';
}

} // namespace

bool TParaSetBlock::AcceptsKey(std::string_view edit, char32_t key) const {
    const bool control = key == kBackspace || key == kEnter;
    if (edit == "txtBTName") {
        return (key >= 33 && key <= 127) || control;
    }
    if (edit == "txtVoltageBetweenLabelGap") {
        return Digit(key) || key == '.' || control || key == kDelete;
    }
    // Every other field of the block holds a number.
    return Digit(key) || control || key == kDelete;
}

void TParaSetBlock::LeaveField(std::string_view edit) {
    TFormModel& form = Form();
    const std::optional<TBlockRange> range = BlockInputRange(family_, edit);
    if (!range || form.Find(edit) == nullptr) {
        return;
    }
    const std::string text = Trim(form[edit].text);
    if (text.empty()) {
        form.SetText(edit, "0");
        return;
    }
    if (edit == "txtVoltageBetweenLabelGap") {
        // Tenths of a volt: a value above the range becomes its top.
        uint16_t word = 0;
        if (!VoltageWord(text, word)) {
            if (std::all_of(text.begin(), text.end(), [](char c) { return Digit(c) || c == '.'; }) &&
                text.find_first_of("0123456789") != std::string::npos) {
                form.SetText(edit, std::to_string(range->high / 10) + "." + std::to_string(range->high % 10));
            }
        }
        return;
    }
    long value = 0;
    if (!ParseBlockNumber(text, -999999999L, 999999999L, value)) {
        return;
    }
    if (value > range->high) {
        form.SetText(edit, std::to_string(range->high));
    } else if (value < range->low) {
        form.SetText(edit, std::to_string(range->low));
    }
}

void TParaSetBlock::UserChanged(std::string_view control) {
    if (control == "cmbDetectMode") {
        cmbDetectModeChange();
    }
}

} // namespace tolvane::params
