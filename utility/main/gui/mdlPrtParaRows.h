// Rows of controls laid out top-down: each row holds a few controls (a
// label, an input, a hint) that share one top; hidden rows take no space and
// 6 pixels separate the visible ones.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace tolvane {

// One row. The controls are not owned.
class TObj_Ult_PrtPara {
  public:
    void AddControl(QWidget* control);
    void ClearControls();

    std::vector<QWidget*> Controls;
    bool Visible = true;
    std::string Caption; // the row's name, for the layout trace
    int RowHeight = 0;   // pixels
};

// The rows of a window, in layout order.
class TObj_Ult_PrtParaManage {
  public:
    static constexpr int kRowSpacing = 6;

    // Frees every row, last first.
    void Clear();
    // Appends a row and gives it back for filling.
    TObj_Ult_PrtPara& Add(std::unique_ptr<TObj_Ult_PrtPara> row);
    TObj_Ult_PrtPara& Add(const std::string& caption, int rowHeight, std::vector<QWidget*> controls,
                          bool visible = true);

    // Hides every control of every row, then shows the controls of each
    // visible row with their top at the row's position, starting at top.
    // Gives the position below the last visible row (and its spacing); the
    // trace of the rows goes to the debug log.
    int Layout(int top);

    std::vector<std::unique_ptr<TObj_Ult_PrtPara>> Items;
    int VisibleCount = 0;
};

} // namespace tolvane
