// Applying the language font to a window and its controls.
#pragma once

#include "mdlLangFont.h"

#include <QFont>

class QWidget;

namespace tolvane {

// The font for the language values: the application font with the family
// "_FontName" and the size "_FontSize" when they are usable (a missing or
// non-numeric value keeps the application font's own). The character set
// is accepted and has no effect: Qt picks glyphs by script.
QFont LangQFont(const TLangFont& font);

// Sets the font on the window and on its labels (which also take their
// natural size unless a layout sizes them), buttons, check boxes, radio
// buttons, edits, spin boxes, combo boxes, tab pages, list and tree views,
// group boxes and panels. Every dialog calls it when it is shown.
void ApplyLangFont(QWidget* window, const TLangFont& font);
// The same with the shared font values.
void ApplyLangFont(QWidget* window);

// The main window's first-show font step: the shared font is applied to the
// window and copied into TOstrelVar.
void FirstShowApplyFont(QWidget* mainWindow);

} // namespace tolvane
