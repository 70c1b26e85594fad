// What the test-print dialogs share: the code page list of the language
// group, the bytes a text becomes for the printer, opening the selected
// printer's port, and the error boxes of a print.
#pragma once

#include "mdlFormModel.h"
#include "mdlPrinterLibLoad.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::diagnostics {

// The language group of a dialog: its tick box and its code page list.
struct TLanguageGroup {
    const char* tick;
    const char* list;
};

// Fills the code page list from "FormPrintText_cmbLanguage_Item" (the
// entries) and "FormPrintText_cmbLanguage_ItemCode" (each entry's code
// page), without a selection; the list is enabled only while ticked.
void FillCodePageList(params::TFormModel& form, const TLanguageGroup& group);
// The tick box's handler: enables the list while ticked; ticking with
// nothing selected selects the first entry.
void LanguageTicked(params::TFormModel& form, const TLanguageGroup& group);
// The code page of the selected entry; 0 when the entry has no number.
int SelectedCodePage(const params::TFormModel& form, const TLanguageGroup& group);
// Whether the box is ticked and an entry with a code page selected.
bool CodePageChosen(const params::TFormModel& form, const TLanguageGroup& group);
// A text as the printer gets it: in the chosen code page while ticked,
// else in the program's ANSI code page.
std::string PrinterBytes(const params::TFormModel& form, const TLanguageGroup& group, std::string_view utf8);

// Opens the selected printer's port through a library, creating the
// library's printer object for the map model first when it has none.
// The open result.
int OpenSelectedPort(TPrtLib lib);

// One numbered key byte read on the library's open port: the key frame,
// 50 ms, one byte. The count read (1), or -1.
int KeyGetByteOn(TPrtLib lib, uint8_t group, uint16_t id, uint8_t& value);

// The error boxes: "_Err_OpenPort" (with ":" and the result when `withCode`),
// "_Err_WriteData", "_Err_ImportNull".
void ShowOpenError(int result, bool withCode);
void ShowWriteError();
void ShowEmptyTextError();

// The sample text the developer modes start with.
std::string DeveloperSampleText();

} // namespace tolvane::diagnostics
