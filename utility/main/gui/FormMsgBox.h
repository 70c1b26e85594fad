// TfrmFormMsgBox: the program's own message box: a read-only memo above a
// bottom panel with OK and Cancel, both of which only close it. The two
// buttons stay centred with a 64-pixel gap whatever the width.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tolvane {

class TfrmFormMsgBox : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmFormMsgBox(QWidget* parent = nullptr);

    // Title "_MSG_Title_Message" and buttons "_OK", "_Cancel" of the
    // language constants, and the message.
    void SetMessage(const QString& text);

    // Left edges of OK and Cancel for a client width and button width.
    static int OkLeft(int clientWidth, int okWidth);
    static int CancelLeft(int okLeft, int okWidth);

    QPlainTextEdit* Memo() const { return memo_; }
    QPushButton* OkButton() const { return btnOK_; }
    QPushButton* CancelButton() const { return btnCancel_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceButtons();

    QPlainTextEdit* memo_;
    QWidget* panel_;
    QPushButton* btnOK_;
    QPushButton* btnCancel_;
};

// Shows text modally in a new TfrmFormMsgBox centred on the desktop.
void ShowFormMsgBox(const std::string& text);

} // namespace tolvane
