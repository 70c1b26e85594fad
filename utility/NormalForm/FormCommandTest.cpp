#include "FormCommandTest.h"

#include "mdlDialogRegistry.h"
#include "mdlParaHelpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>

namespace tolvane {
namespace {

// N1 and N2 send Ctrl+C and Ctrl+V to the page, as typed.
void SendShortcut(QWidget* page, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::ControlModifier);
    QApplication::sendEvent(page, &press);
    QApplication::sendEvent(page, &release);
}

} // namespace

T_frmCommandTest::T_frmCommandTest(const params::TParaDialogContext& context, QWidget* parent)
    : TFormView(std::make_unique<diagnostics::TCommandTest>(context), parent) {
    for (int n = 1; n <= diagnostics::TCommandTest::kPageCount; ++n) {
        auto* page = qobject_cast<QPlainTextEdit*>(Widget("RE" + std::to_string(n)));
        if (page == nullptr) {
            continue;
        }
        page->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(page, &QWidget::customContextMenuRequested, this, [page](const QPoint& at) {
            QMenu PopMenu(page);
            PopMenu.setObjectName("PopMenu");
            QAction* N1 =
                PopMenu.addAction(QString::fromStdString(params::Txt("FormCommandTest_PopMenu_Copy")));
            QAction* N2 =
                PopMenu.addAction(QString::fromStdString(params::Txt("FormCommandTest_PopMenu_Paste")));
            QAction* chosen = PopMenu.exec(page->mapToGlobal(at));
            page->setFocus();
            if (chosen == N1) {
                SendShortcut(page, Qt::Key_C);
            } else if (chosen == N2) {
                SendShortcut(page, Qt::Key_V);
            }
        });
    }
}

void RegisterCommandTestWindow() {
    RegisterDialog(diagnostics::TCommandTest::kClassName, [](QWidget* parent) {
        T_frmCommandTest window(params::SelectedPrinterContext(), parent);
        window.exec();
    });
}

} // namespace tolvane
