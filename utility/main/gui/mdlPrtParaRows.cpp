#include "mdlPrtParaRows.h"

#include <QWidget>

namespace tolvane {

void TWidgetRowOps::Hide(QWidget* control) {
    control->hide();
}

void TWidgetRowOps::Show(QWidget* control) {
    control->show();
}

void TWidgetRowOps::SetTop(QWidget* control, int top) {
    control->move(control->x(), top);
}

} // namespace tolvane
