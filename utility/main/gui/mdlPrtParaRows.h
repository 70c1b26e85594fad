// Rows of widgets laid out top-down (the shared row layout of
// mdlRowLayout.h on Qt widgets): each row holds a few controls (a label, an
// input, a hint) that share one top; hidden rows take no space and 6 pixels
// separate the visible ones.
#pragma once

#include "mdlRowLayout.h"

class QWidget;

namespace tolvane {

struct TWidgetRowOps {
    static void Hide(QWidget* control);
    static void Show(QWidget* control);
    static void SetTop(QWidget* control, int top);
};

using TObj_Ult_PrtPara = TLayoutRow<QWidget*>;
using TObj_Ult_PrtParaManage = TLayoutRows<QWidget*, TWidgetRowOps>;

} // namespace tolvane
