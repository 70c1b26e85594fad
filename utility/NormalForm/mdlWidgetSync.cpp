#include "mdlWidgetSync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

namespace tolvane {
namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SyncTable(QTreeWidget& table, const params::TControl& control) {
    QStringList captions;
    for (const std::string& column : control.columns) {
        captions.push_back(Q(column));
    }
    table.setColumnCount(std::max<int>(1, static_cast<int>(captions.size())));
    table.setHeaderLabels(captions);
    table.clear();
    for (const auto& cells : control.rows) {
        QStringList texts;
        for (const std::string& cell : cells) {
            texts.push_back(Q(cell));
        }
        table.addTopLevelItem(new QTreeWidgetItem(texts));
    }
    if (control.index >= 0 && control.index < table.topLevelItemCount()) {
        table.setCurrentItem(table.topLevelItem(control.index));
    }
}

} // namespace

void SyncWidget(QWidget& widget, const params::TControl& control, const TEntryText& entryText) {
    const auto entry = [&entryText](const std::string& item) {
        return entryText ? entryText(item) : Q(item);
    };
    widget.setVisible(control.visible);
    widget.setEnabled(control.enabled);
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(Q(control.text));
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        group->setTitle(Q(control.text));
    } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        button->setText(Q(control.text));
    } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
        check->setText(Q(control.text));
        check->setChecked(control.index == 1);
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        if (edit->text().toStdString() != control.text) {
            edit->setText(Q(control.text));
        }
        edit->setReadOnly(control.readOnly);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget)) {
        if (memo->toPlainText().toStdString() != control.text) {
            memo->setPlainText(Q(control.text));
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        combo->clear();
        for (const std::string& item : control.items) {
            combo->addItem(Q(item));
        }
        combo->setCurrentIndex(control.index);
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        list->clear();
        for (const std::string& item : control.items) {
            list->addItem(entry(item));
        }
        list->setCurrentRow(control.index);
    } else if (auto* table = qobject_cast<QTreeWidget*>(&widget)) {
        SyncTable(*table, control);
    } else if (auto* bar = qobject_cast<QProgressBar*>(&widget)) {
        bar->setMaximum(std::max(1, control.maximum));
        bar->setValue(std::max(0, control.index));
    }
}

void KeepOpeningSize(QWidget& window) {
    // The texts just set have not reached the layout yet.
    for (QLayout* part : window.findChildren<QLayout*>()) {
        part->invalidate();
    }
    QLayout* layout = window.layout();
    if (layout == nullptr) {
        return;
    }
    layout->invalidate();
    layout->activate();
    const QSize fitted =
        window.sizeHint().expandedTo(window.minimumSizeHint()).expandedTo(window.minimumSize());
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    window.setFixedSize(fitted);
}

} // namespace tolvane
