#include "mdlQtMessageSink.h"

#include "FormMsgBox.h"
#include "mdlGlobalVar.h"
#include "mdlLangFontApply.h"

#include <QApplication>
#include <QMessageBox>

namespace tolvane {
namespace {

int Show(QMessageBox::Icon icon, const std::string& text, const std::string& title,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
         Qt::WindowFlags extraFlags = {}) {
    // The box opens over the window the user is working in (the modal
    // dialog that asked, else the active window), not in the middle of the
    // screen.
    QWidget* over = QApplication::activeModalWidget();
    if (over == nullptr) {
        over = QApplication::activeWindow();
    }
    QMessageBox box(icon, QString::fromStdString(title), QString::fromStdString(text), buttons, over);
    box.setDefaultButton(defaultButton);
    box.setWindowFlags(box.windowFlags() | extraFlags);
    ApplyLangFont(&box);
    return box.exec();
}

} // namespace

void TQtMessageSink::ShowInfo(const std::string& text, const std::string& title) {
    Show(QMessageBox::Information, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool TQtMessageSink::AskOkCancel(const std::string& text, const std::string& title) {
    return Show(QMessageBox::Question, text, title, QMessageBox::Ok | QMessageBox::Cancel,
                QMessageBox::Cancel, Qt::WindowStaysOnTopHint) == QMessageBox::Ok;
}

void TQtMessageSink::ShowError(const std::string& text, const std::string& title) {
    Show(QMessageBox::Critical, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

void InstallWidgetServices() {
    static TQtMessageSink sink;
    SetMessageSink(&sink);
    SetFormMsgBoxPresenter(ShowFormMsgBox);
}

} // namespace tolvane
