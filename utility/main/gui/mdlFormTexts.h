// Window texts from the language file, applied by control name: a control
// whose objectName is "btnOK" in the window "PrinterManage" takes the text of
// the key "FormPrinterManage_btnOK", the window its caption from
// "FormPrinterManage_Caption".
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace tolvane {

// "Form" + window + "_" + control.
std::string FormTextKey(std::string_view window, std::string_view control);

// The language text of a key as a QString.
QString LangQText(const std::string& key);

// Sets the shown text of a control: the text of labels, buttons, check and
// radio boxes, the title of group boxes, the contents of line edits.
// False for a control that shows no text.
bool SetControlText(QWidget* control, const QString& text);

// Applies the texts of every named control of the window and its caption.
// A key without a text leaves the control as it is. The number of controls
// that took a text.
int ApplyFormTexts(QWidget* window, std::string_view windowName);

// Moves every label that has a buddy so that its text sits at the middle
// of the buddy's height (labels take their natural size with the language
// font, which would otherwise leave them at the top of their row).
void CenterLabelsOnBuddies(QWidget* window);

} // namespace tolvane
