#include "mdlLangFontApply.h"

#include "mdlIniDocument.h"
#include "mdlStartup.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace tolvane {
namespace {

bool TakesLangFont(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) != nullptr || qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QLineEdit*>(w) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
           qobject_cast<const QComboBox*>(w) != nullptr || qobject_cast<const QTabWidget*>(w) != nullptr ||
           qobject_cast<const QTextEdit*>(w) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr ||
           qobject_cast<const QGroupBox*>(w) != nullptr || qobject_cast<const QFrame*>(w) != nullptr ||
           w->metaObject() == &QWidget::staticMetaObject;
}

bool IsInLayout(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return parent != nullptr && parent->layout() != nullptr && parent->layout()->indexOf(w) >= 0;
}

} // namespace

QFont LangQFont(const TLangFont& font) {
    QFont result = QApplication::font();
    const std::string_view name = IniTrim(font.name);
    if (!name.empty()) {
        result.setFamilies({QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))});
    }
    if (const auto points = font.PointSize()) {
        result.setPointSize(*points);
    }
    return result;
}

void ApplyLangFont(QWidget* window, const TLangFont& font) {
    if (window == nullptr) {
        return;
    }
    const QFont qfont = LangQFont(font);
    window->setFont(qfont);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!TakesLangFont(child)) {
            continue;
        }
        child->setFont(qfont);
        if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && !IsInLayout(label)) {
            label->adjustSize();
        }
    }
}

void ApplyLangFont(QWidget* window) {
    ApplyLangFont(window, SharedLangFont());
}

void FirstShowApplyFont(QWidget* mainWindow) {
    ApplyLangFont(mainWindow, SharedLangFont());
    FirstShowKeepFont();
}

} // namespace tolvane
