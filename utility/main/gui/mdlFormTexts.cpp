#include "mdlFormTexts.h"

#include "mdlGetLangText.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace tolvane {

std::string FormTextKey(std::string_view window, std::string_view control) {
    return "Form" + std::string(window) + "_" + std::string(control);
}

QString LangQText(const std::string& key) {
    return QString::fromStdString(GetLangText(key));
}

bool SetControlText(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else {
        return false;
    }
    return true;
}

int ApplyFormTexts(QWidget* window, std::string_view windowName) {
    int applied = 0;
    if (const QString caption = LangQText(FormTextKey(windowName, "Caption")); !caption.isEmpty()) {
        window->setWindowTitle(caption);
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QString text = LangQText(FormTextKey(windowName, name.toStdString()));
        if (!text.isEmpty() && SetControlText(control, text)) {
            ++applied;
        }
    }
    return applied;
}

void CenterLabelsOnBuddies(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QWidget* buddy = label->buddy();
        if (buddy == nullptr || buddy->parentWidget() != label->parentWidget()) {
            continue;
        }
        label->move(label->x(), buddy->y() + (buddy->height() - label->height()) / 2);
    }
}

} // namespace tolvane
