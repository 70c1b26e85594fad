// The controls of a dialog without widgets: each control is known by its
// name and holds what a window would show (texts, list entries and the
// selection, visibility, enabled state, position where it is fixed). The
// dialog's logic works on these; the Qt window is a view that mirrors them,
// and the command line and the tests read and change them directly.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

enum class TControlKind {
    Label,  // a caption
    Edit,   // a one-line text field
    Memo,   // a text field of several lines ("\n" between them)
    List,   // a drop-down list: entries and one selected position
    Radio,  // a radio group: items and one selected item
    Check,  // a tick box: checked 0 or 1 in `index`
    Button, // a push button
    Group,  // a frame with a caption that holds other controls
    Pages,  // a page control: its children are pages, one shown at a time
    Page,   // a page of a page control
    Status, // the status line

    // A progress bar: position in `index` (from 0), maximum in `maximum`.
    Progress,
    // A read-only list of rows: column captions in `columns`, rows in `rows`.
    Table,
};

struct TControl {
    std::string name;
    TControlKind kind = TControlKind::Label;
    std::string parent;             // the page or group the control sits on; empty for the dialog
    std::string text;               // caption, field text or status text
    std::vector<std::string> items; // list entries or radio items
    int index = -1;                 // selected entry, item or page (-1: none); tick box 0 or 1
    int maxLength = 0;              // edits: longest text (0: unlimited)

    // Progress bars: the position that means complete.
    int maximum = 0;
    // Tables: the column captions and the cells of each row.
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    int left = -1; // position and size where the dialog fixes them (-1: the view decides)
    int top = -1;
    int width = -1;
    int height = -1;

    // The selected entry's text; empty when nothing is selected.
    std::string SelectedText() const;
};

class TFormModel {
  public:
    TFormModel() = default;
    TFormModel(const TFormModel&) = delete;
    TFormModel& operator=(const TFormModel&) = delete;

    // Adds a control (names are unique; adding a name twice gives the first).
    TControl& Add(std::string name, TControlKind kind, std::string parent = {});
    // The control of a name; nullptr when there is none.
    TControl* Find(std::string_view name);
    const TControl* Find(std::string_view name) const;
    // The control of a name; a control that does not exist is a programming
    // error and ends the program with a message naming it.
    TControl& operator[](std::string_view name);
    const TControl& operator[](std::string_view name) const;
    // Controls in the order they were added.
    std::vector<const TControl*> Controls() const;

    // Visible itself and on a visible page or group, up to the dialog.
    bool EffectivelyVisible(std::string_view name) const;
    // Enabled itself and on enabled pages and groups.
    bool EffectivelyEnabled(std::string_view name) const;

    // Changes that notify the view (one notification per call).
    void SetText(std::string_view name, std::string text);
    void SetItems(std::string_view name, std::vector<std::string> items, int index = -1);
    void AddItem(std::string_view name, std::string item);
    void SetIndex(std::string_view name, int index);
    void SetVisible(std::string_view name, bool visible);
    void SetEnabled(std::string_view name, bool enabled);
    void SetReadOnly(std::string_view name, bool readOnly);
    void SetMaxLength(std::string_view name, int maxLength);
    // Progress bars: the maximum, and the position (kept within 0..maximum).
    void SetProgress(std::string_view name, int position, int maximum);
    // Tables: column captions and rows.
    void SetColumns(std::string_view name, std::vector<std::string> columns);
    void SetRows(std::string_view name, std::vector<std::vector<std::string>> rows);
    void Move(std::string_view name, int left, int top = -1);
    void SetGeometry(std::string_view name, int left, int top, int width, int height);

    // The dialog's title and client size (-1: the view's own).
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientSize(int width, int height);

    // Called after every change with the control's name (empty for the
    // dialog's title or size). The view refreshes the control from it.
    std::function<void(const std::string& name)> OnChanged;

  private:
    void Changed(const std::string& name);

    std::vector<std::unique_ptr<TControl>> controls_;
    std::string title_;
    int clientWidth_ = -1;
    int clientHeight_ = -1;
};

} // namespace tolvane::params
