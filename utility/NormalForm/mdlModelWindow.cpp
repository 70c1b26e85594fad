#include "mdlModelWindow.h"

#include "mdlWidgetSync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

namespace tolvane {

using params::TControl;
using params::TControlKind;

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TModelWindow::TModelWindow(QWidget* parent) : QDialog(parent) {}

TModelWindow::~TModelWindow() {
    Detach();
}

void TModelWindow::Detach() {
    if (form_ != nullptr) {
        form_->OnChanged = nullptr;
        form_ = nullptr;
    }
}

void TModelWindow::Attach(params::TFormModel& form) {
    form_ = &form;
    Build();
    form_->OnChanged = [this](const std::string& name) { Sync(name); };
}

QWidget* TModelWindow::Widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

void TModelWindow::Build() {
    auto* grid = new QGridLayout(this);
    int row = 0;
    QLabel* caption = nullptr; // a label waiting for its field
    for (const auto& control : form_->Controls()) {
        const std::string name = control->name;
        QWidget* widget = nullptr;
        switch (control->kind) {
        case TControlKind::Label: {
            auto* label = new QLabel(this);
            label->setWordWrap(true);
            widget = label;
            break;
        }
        case TControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, name](const QString& text) { (*form_)[name].text = text.toStdString(); });
            connect(edit, &QLineEdit::editingFinished, this, [this, name] {
                if (OnEdited) {
                    OnEdited(name);
                }
            });
            widget = edit;
            break;
        }
        case TControlKind::Memo: {
            auto* memo = new QPlainTextEdit(this);
            memo->setMaximumHeight(80);
            connect(memo, &QPlainTextEdit::textChanged, this, [this, name, memo] {
                if (!syncing_) {
                    (*form_)[name].text = memo->toPlainText().toStdString();
                }
            });
            widget = memo;
            break;
        }
        case TControlKind::List:
            if (name.starts_with("cmb")) {
                auto* combo = new QComboBox(this);
                connect(combo, &QComboBox::activated, this, [this, name](int index) {
                    form_->SetIndex(name, index);
                    if (OnSelect) {
                        OnSelect(name);
                    }
                });
                widget = combo;
            } else {
                auto* list = new QListWidget(this);
                connect(list, &QListWidget::currentRowChanged, this, [this, name](int index) {
                    if (!syncing_) {
                        (*form_)[name].index = index;
                        if (OnSelect) {
                            OnSelect(name);
                        }
                    }
                });
                widget = list;
            }
            break;
        case TControlKind::Table: {
            auto* table = new QTreeWidget(this);
            table->setRootIsDecorated(false);
            connect(table, &QTreeWidget::currentItemChanged, this, [this, name, table] {
                if (!syncing_) {
                    (*form_)[name].index = table->indexOfTopLevelItem(table->currentItem());
                    if (OnSelect) {
                        OnSelect(name);
                    }
                }
            });
            widget = table;
            break;
        }
        case TControlKind::Check: {
            auto* box = new QCheckBox(this);
            connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
                if (!syncing_) {
                    (*form_)[name].index = on ? 1 : 0;
                }
            });
            widget = box;
            break;
        }
        case TControlKind::Button: {
            auto* button = new QPushButton(this);
            connect(button, &QPushButton::clicked, this, [this, name] {
                if (OnClick) {
                    OnClick(name);
                }
            });
            widget = button;
            break;
        }
        case TControlKind::Progress:
            widget = new QProgressBar(this);
            break;
        case TControlKind::Group: {
            auto* label = new QLabel(this);
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            widget = label;
            break;
        }
        default:
            continue;
        }
        widget->setObjectName(Q(name));
        widgets_[name] = widget;
        const bool wide = control->kind == TControlKind::Table || control->kind == TControlKind::Memo ||
                          control->kind == TControlKind::Group || control->kind == TControlKind::Progress ||
                          (control->kind == TControlKind::List && !name.starts_with("cmb"));
        if (control->kind == TControlKind::Label) {
            // A label is the caption of the field after it; two labels in a
            // row give the first a row of its own.
            if (caption != nullptr) {
                grid->addWidget(caption, row++, 0, 1, 2);
            }
            caption = static_cast<QLabel*>(widget);
            continue;
        }
        if (caption != nullptr && !wide) {
            grid->addWidget(caption, row, 0);
            grid->addWidget(widget, row++, 1);
            caption = nullptr;
            continue;
        }
        if (caption != nullptr) {
            grid->addWidget(caption, row++, 0, 1, 2);
            caption = nullptr;
        }
        grid->addWidget(widget, row++, 0, 1, 2);
    }
    if (caption != nullptr) {
        grid->addWidget(caption, row++, 0, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    setMinimumWidth(420);
    for (const auto& [name, widget] : widgets_) {
        Sync(name);
    }
    Sync("");
}

void TModelWindow::KeepPlaceOf(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (QWidget* widget = Widget(name)) {
            QSizePolicy policy = widget->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            widget->setSizePolicy(policy);
            // An empty label is a little lower than one with its line of
            // text: it gets the height of that line from the start.
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const QString text = label->text();
                label->setText(QStringLiteral("0"));
                label->setFixedHeight(label->sizeHint().height());
                label->setText(text);
            }
        }
    }
}

void TModelWindow::Sync(const std::string& name) {
    if (name.empty()) {
        setWindowTitle(Q((*form_).Title()));
        return;
    }
    QWidget* widget = Widget(name);
    const TControl* control = (*form_).Find(name);
    if (widget == nullptr || control == nullptr) {
        return;
    }
    syncing_ = true;
    SyncWidget(*widget, *control);
    syncing_ = false;
}

void TModelWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        if (OnShow) {
            OnShow();
        }
        Sync("");
        KeepOpeningSize(*this);
    }
}

void TModelWindow::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (OnClose) {
            OnClose();
        }
    }
    QDialog::done(result);
}

} // namespace tolvane
