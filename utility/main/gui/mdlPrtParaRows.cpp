#include "mdlPrtParaRows.h"

#include "mdlDebugLog.h"

#include <QWidget>

namespace tolvane {

void TObj_Ult_PrtPara::AddControl(QWidget* control) {
    Controls.push_back(control);
}

void TObj_Ult_PrtPara::ClearControls() {
    Controls.clear();
}

void TObj_Ult_PrtParaManage::Clear() {
    while (!Items.empty()) {
        Items.pop_back();
    }
    VisibleCount = 0;
}

TObj_Ult_PrtPara& TObj_Ult_PrtParaManage::Add(std::unique_ptr<TObj_Ult_PrtPara> row) {
    Items.push_back(std::move(row));
    return *Items.back();
}

TObj_Ult_PrtPara& TObj_Ult_PrtParaManage::Add(const std::string& caption, int rowHeight,
                                              std::vector<QWidget*> controls, bool visible) {
    auto row = std::make_unique<TObj_Ult_PrtPara>();
    row->Caption = caption;
    row->RowHeight = rowHeight;
    row->Controls = std::move(controls);
    row->Visible = visible;
    return Add(std::move(row));
}

int TObj_Ult_PrtParaManage::Layout(int top) {
    for (const auto& row : Items) {
        for (QWidget* control : row->Controls) {
            control->hide();
        }
    }
    int y = top;
    VisibleCount = 0;
    std::string trace;
    for (const auto& row : Items) {
        if (!row->Visible) {
            continue;
        }
        for (QWidget* control : row->Controls) {
            control->move(control->x(), y);
            control->show();
        }
        trace += "\n" + row->Caption + ",Top:" + std::to_string(y) +
                 ",TheHeight:" + std::to_string(row->RowHeight) +
                 ",SpaceOfHeight:" + std::to_string(kRowSpacing) +
                 ",sum:" + std::to_string(row->RowHeight + kRowSpacing);
        y += row->RowHeight + kRowSpacing;
        ++VisibleCount;
    }
    WriteDebugLog(trace);
    return y;
}

} // namespace tolvane
