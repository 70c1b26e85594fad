// Rows of controls laid out top-down: each row holds a few controls (a
// label, an input, a hint) that share one top; hidden rows take no space
// and 6 pixels separate the visible ones. The control type is a parameter
// so that windows (widgets) and the dialog layer (named controls) share
// one layout: `Ops` gives static Hide(c), Show(c) and SetTop(c, y).
#pragma once

#include "mdlDebugLog.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

// One row. The controls are not owned.
template <typename Control>
class TLayoutRow {
  public:
    void AddControl(const Control& control) { Controls.push_back(control); }
    void ClearControls() { Controls.clear(); }

    std::vector<Control> Controls;
    bool Visible = true;
    std::string Caption; // the row's name, for the layout trace
    int RowHeight = 0;   // pixels
};

// The rows of a window, in layout order.
template <typename Control, typename Ops>
class TLayoutRows {
  public:
    using Row = TLayoutRow<Control>;
    static constexpr int kRowSpacing = 6;

    // Frees every row, last first.
    void Clear() {
        while (!Items.empty()) {
            Items.pop_back();
        }
        VisibleCount = 0;
    }
    // Appends a row and gives it back for filling.
    Row& Add(std::unique_ptr<Row> row) {
        Items.push_back(std::move(row));
        return *Items.back();
    }
    Row& Add(const std::string& caption, int rowHeight, std::vector<Control> controls, bool visible = true) {
        auto row = std::make_unique<Row>();
        row->Caption = caption;
        row->RowHeight = rowHeight;
        row->Controls = std::move(controls);
        row->Visible = visible;
        return Add(std::move(row));
    }

    // Hides every control of every row, then shows the controls of each
    // visible row with their top at the row's position, starting at top.
    // Gives the position below the last visible row (and its spacing); the
    // trace of the rows goes to the debug log.
    int Layout(int top) {
        for (const auto& row : Items) {
            for (const Control& control : row->Controls) {
                Ops::Hide(control);
            }
        }
        int y = top;
        VisibleCount = 0;
        std::string trace;
        for (const auto& row : Items) {
            if (!row->Visible) {
                continue;
            }
            for (const Control& control : row->Controls) {
                Ops::SetTop(control, y);
                Ops::Show(control);
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

    std::vector<std::unique_ptr<Row>> Items;
    int VisibleCount = 0;
};

} // namespace tolvane
