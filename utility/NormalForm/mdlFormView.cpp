#include "mdlFormView.h"

#include "gui/mdlFileChooser.h"
#include "gui/mdlLangFontApply.h"
#include "mdlPrtExchange.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QValidator>

#include <algorithm>
#include <chrono>
#include <thread>

namespace tolvane {
namespace {

using params::TControl;
using params::TControlKind;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The key filter of an edit as a validator: a text is acceptable when
// every character passes the dialog's filter.
class TKeyFilterValidator final : public QValidator {
  public:
    TKeyFilterValidator(params::TParaDialogModel& dialog, std::string edit, QObject* parent)
        : QValidator(parent), dialog_(dialog), edit_(std::move(edit)) {}
    State validate(QString& input, int&) const override {
        return dialog_.AcceptsText(edit_, input.toStdString()) ? Acceptable : Invalid;
    }

  private:
    params::TParaDialogModel& dialog_;
    std::string edit_;
};

// The key filter of a text of several lines: a typed character the
// dialog's filter refuses is dropped (Enter counts as 13, Backspace as 8).
class TMemoKeyFilter final : public QObject {
  public:
    TMemoKeyFilter(params::TParaDialogModel& dialog, std::string memo, QObject* parent)
        : QObject(parent), dialog_(dialog), memo_(std::move(memo)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            char32_t code = 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                code = 13;
            } else if (key->key() == Qt::Key_Backspace) {
                code = 8;
            } else if (key->key() == Qt::Key_Delete) {
                code = 127;
            } else if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                       key->text().size() == 1) {
                code = key->text().at(0).unicode();
            }
            if (code != 0 && !dialog_.AcceptsKey(memo_, code)) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    params::TParaDialogModel& dialog_;
    std::string memo_;
};

void PumpWhileWaiting(int ms) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // A loop that ended early (the application is quitting) still keeps the
    // printer's time.
    std::this_thread::sleep_until(until);
}

} // namespace

void InstallPaintingPause() {
    SetPauseHook(&PumpWhileWaiting);
}

TFormView::TFormView(std::unique_ptr<params::TParaDialogModel> dialog, QWidget* parent)
    : QDialog(parent), dialog_(std::move(dialog)) {
    InstallPaintingPause();
    setObjectName(Q(dialog_->ClassName()).mid(1)); // "T_frmParaSet_Kavo" -> "_frmParaSet_Kavo"
    Build();
    dialog_->Form().OnChanged = [this](const std::string& name) {
        if (name.empty()) {
            SyncDialog();
        } else {
            Sync(name);
        }
    };
    dialog_->OnTimerChanged = [this](const std::string& name) { SyncTimer(name); };
    dialog_->OnCloseRequested = [this] { QTimer::singleShot(0, this, &QDialog::accept); };
    dialog_->OnBringToFront = [this] {
        raise();
        activateWindow();
    };
    dialog_->FormCreate();
}

TFormView::~TFormView() {
    // Hidden while the dialog still exists: hiding moves the focus, and an
    // edit that loses it asks the dialog's key filter once more.
    hide();
    // The widgets outlive the dialog (QWidget's destructor deletes them) and
    // may still lose the focus then: nothing of theirs (a key filter, an exit
    // check, a change signal) may reach the freed dialog.
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->blockSignals(true);
        widget->disconnect(this);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setValidator(nullptr);
        }
    }
    dialog_->Form().OnChanged = nullptr;
    dialog_->OnTimerChanged = nullptr;
    dialog_->OnCloseRequested = nullptr;
    dialog_->OnBringToFront = nullptr;
    for (auto& [name, timer] : timers_) {
        timer->stop();
    }
    dialog_->FormDestroy();
}

QWidget* TFormView::Widget(const std::string& name) const {
    const auto found = widgets_.find(name);
    return found != widgets_.end() ? found->second : nullptr;
}

QWidget* TFormView::ParentWidget(const TControl& control) const {
    if (control.parent.empty()) {
        return const_cast<TFormView*>(this);
    }
    QWidget* parent = Widget(control.parent);
    return parent != nullptr ? parent : const_cast<TFormView*>(this);
}

QWidget* TFormView::NewWidget(const TControl& control, QWidget* parent) {
    switch (control.kind) {
    case TControlKind::Label:
        return new QLabel(parent);
    case TControlKind::Edit:
        return new QLineEdit(parent);
    case TControlKind::Memo:
        return new QPlainTextEdit(parent);
    case TControlKind::List:
        return new QComboBox(parent);
    case TControlKind::Check:
        return new QCheckBox(parent);
    case TControlKind::Button:
        return new QPushButton(parent);
    case TControlKind::Group:
    case TControlKind::Radio:
        return new QGroupBox(parent);
    case TControlKind::Pages:
        return new QTabWidget(parent);
    case TControlKind::Status:
        return new QStatusBar(parent);
    case TControlKind::Progress:
        return new QProgressBar(parent);
    case TControlKind::Table: {
        auto* table = new QTreeWidget(parent);
        table->setRootIsDecorated(false);
        table->setSelectionMode(QAbstractItemView::NoSelection);
        return table;
    }
    case TControlKind::Page: {
        auto* page = new QWidget;
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            tabs->addTab(page, QString());
        } else {
            page->setParent(parent);
        }
        return page;
    }
    }
    return new QWidget(parent);
}

void TFormView::Build() {
    for (const TControl* control : dialog_->Form().Controls()) {
        QWidget* widget = NewWidget(*control, ParentWidget(*control));
        widget->setObjectName(Q(control->name));
        widgets_[control->name] = widget;
        if (control->kind == TControlKind::Radio) {
            auto* group = new QButtonGroup(widget);
            radioGroups_[control->name] = group;
        }
        if (auto* status = qobject_cast<QStatusBar*>(widget)) {
            status->setSizeGripEnabled(false);
        }
        Connect(*control, widget);
        Sync(control->name);
    }
    SyncDialog();
}

void TFormView::Connect(const TControl& control, QWidget* widget) {
    const std::string name = control.name;
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, name](int index) {
            if (dialog_->Form()[name].index == index) {
                return;
            }
            dialog_->Form().SetIndex(name, index);
            Busy([&] { dialog_->UserChanged(name); });
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setValidator(new TKeyFilterValidator(*dialog_, name, edit));
        connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
            syncing_ = true;
            dialog_->Form().SetText(name, text.toStdString());
            syncing_ = false;
            // The edit's change handler (it may rewrite the text).
            dialog_->UserChanged(name);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, name] { dialog_->LeaveField(name); });
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        memo->installEventFilter(new TMemoKeyFilter(*dialog_, name, memo));
        connect(memo, &QPlainTextEdit::textChanged, this, [this, name, memo] {
            syncing_ = true;
            dialog_->Form().SetText(name, memo->toPlainText().toStdString());
            syncing_ = false;
        });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        connect(tabs, &QTabWidget::currentChanged, this, [this, name](int index) {
            // Pages added while the window is built change the current page
            // too; only the user's choice counts.
            if (!shownOnce_ || dialog_->Form()[name].index == index || index < 0) {
                return;
            }
            dialog_->Form().SetIndex(name, index);
            dialog_->UserChanged(name);
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::clicked, this, [this, name](bool checked) {
            dialog_->Form().SetIndex(name, checked ? 1 : 0);
            dialog_->UserChanged(name);
        });
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        connect(button, &QPushButton::clicked, this, [this, name] { Clicked(name); });
    }
    if (const auto group = radioGroups_.find(name); group != radioGroups_.end()) {
        connect(group->second, &QButtonGroup::idClicked, this, [this, name](int id) {
            if (dialog_->Form()[name].index == id) {
                return;
            }
            dialog_->Form().SetIndex(name, id);
            dialog_->UserChanged(name);
        });
    }
}

void TFormView::Clicked(const std::string& button) {
    if (button == "btnSet") {
        Busy([&] { dialog_->btnSetClick(); });
        return;
    }
    std::optional<std::string> path;
    if (const auto question = dialog_->FileQuestion(button)) {
        // "*.ini|*.ini" becomes Qt's "*.ini (*.ini)".
        const std::string& filter = question->filter;
        const std::size_t bar = filter.find('|');
        const std::string qtFilter =
            bar == std::string::npos ? filter : filter.substr(0, bar) + " (" + filter.substr(bar + 1) + ")";
        path = question->save ? ChooseSaveFile(windowTitle().toStdString(), qtFilter)
                              : ChooseOpenFile(windowTitle().toStdString(), qtFilter);
        if (!path) {
            return;
        }
        if (question->save && !question->defaultSuffix.empty() &&
            path->find('.', path->rfind('/') + 1) == std::string::npos) {
            *path += question->defaultSuffix;
        }
    }
    Busy([&] { dialog_->ButtonClick(button, path); });
}

template <typename Work>
void TFormView::Busy(Work work) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    work();
    QApplication::restoreOverrideCursor();
}

void TFormView::Sync(const std::string& name) {
    const TControl* control = dialog_->Form().Find(name);
    QWidget* widget = Widget(name);
    if (control == nullptr || widget == nullptr) {
        return;
    }
    const QSignalBlocker blocker(widget);
    if (control->kind != TControlKind::Page && control->left >= 0 && control->top >= 0 &&
        control->width > 0 && control->height > 0) {
        widget->setGeometry(control->left, control->top, control->width, control->height);
    }
    widget->setEnabled(control->enabled);
    switch (control->kind) {
    case TControlKind::Label:
        static_cast<QLabel*>(widget)->setText(Q(control->text));
        static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case TControlKind::Button:
        static_cast<QPushButton*>(widget)->setText(Q(control->text));
        break;
    case TControlKind::Check:
        static_cast<QCheckBox*>(widget)->setText(Q(control->text));
        static_cast<QCheckBox*>(widget)->setChecked(control->index == 1);
        break;
    case TControlKind::Group:
        static_cast<QGroupBox*>(widget)->setTitle(Q(control->text));
        break;
    case TControlKind::Status:
        static_cast<QStatusBar*>(widget)->showMessage(Q(control->text));
        break;
    case TControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setMaxLength(control->maxLength > 0 ? control->maxLength : 32767);
        edit->setReadOnly(control->readOnly);
        if (!syncing_ && edit->text() != Q(control->text)) {
            edit->setText(Q(control->text));
        }
        break;
    }
    case TControlKind::List: {
        auto* list = static_cast<QComboBox*>(widget);
        QStringList items;
        for (const std::string& item : control->items) {
            items.push_back(Q(item));
        }
        QStringList current;
        for (int n = 0; n < list->count(); ++n) {
            current.push_back(list->itemText(n));
        }
        if (current != items) {
            list->clear();
            list->addItems(items);
        }
        list->setCurrentIndex(control->index);
        break;
    }
    case TControlKind::Radio: {
        auto* box = static_cast<QGroupBox*>(widget);
        box->setTitle(Q(control->text));
        QButtonGroup* group = radioGroups_.at(name);
        const QList<QAbstractButton*> buttons = group->buttons();
        if (buttons.size() != static_cast<int>(control->items.size())) {
            for (QAbstractButton* button : buttons) {
                group->removeButton(button);
                delete button;
            }
            for (int n = 0; n < static_cast<int>(control->items.size()); ++n) {
                auto* radio = new QRadioButton(box);
                radio->setObjectName(Q(name + "_" + std::to_string(n)));
                radio->show();
                group->addButton(radio, n);
            }
        }
        for (int n = 0; n < static_cast<int>(control->items.size()); ++n) {
            group->button(n)->setText(Q(control->items[static_cast<std::size_t>(n)]));
        }
        LayoutRadioItems(*control, *group);
        if (QAbstractButton* chosen = group->button(control->index)) {
            chosen->setChecked(true);
        } else if (QAbstractButton* checked = group->checkedButton()) {
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(true);
        }
        break;
    }
    case TControlKind::Page: {
        if (auto* tabs = qobject_cast<QTabWidget*>(
                widget->parentWidget() != nullptr ? widget->parentWidget()->parentWidget() : nullptr)) {
            const int at = tabs->indexOf(widget);
            tabs->setTabText(at, Q(control->text));
            tabs->setTabVisible(at, control->visible);
        }
        return;
    }
    case TControlKind::Memo: {
        auto* memo = static_cast<QPlainTextEdit*>(widget);
        memo->setReadOnly(control->readOnly);
        if (!syncing_ && memo->toPlainText() != Q(control->text)) {
            memo->setPlainText(Q(control->text));
            if (control->readOnly) {
                memo->moveCursor(QTextCursor::End);
            }
        }
        break;
    }
    case TControlKind::Progress: {
        auto* bar = static_cast<QProgressBar*>(widget);
        bar->setRange(0, std::max(control->maximum, 1));
        bar->setValue(std::clamp(control->index, 0, std::max(control->maximum, 1)));
        break;
    }
    case TControlKind::Table:
        SyncTable(*control, *static_cast<QTreeWidget*>(widget));
        break;
    case TControlKind::Pages:
        if (auto* tabs = static_cast<QTabWidget*>(widget);
            control->index >= 0 && control->index < tabs->count()) {
            tabs->setCurrentIndex(control->index);
        }
        break;
    }
    widget->setVisible(control->visible);
}

// A table's captions and rows, rebuilt when they changed.
void TFormView::SyncTable(const TControl& control, QTreeWidget& table) {
    QStringList captions;
    for (const std::string& caption : control.columns) {
        captions.push_back(Q(caption));
    }
    table.setColumnCount(static_cast<int>(captions.size()));
    table.setHeaderLabels(captions);
    table.clear();
    for (const std::vector<std::string>& row : control.rows) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells.push_back(Q(cell));
        }
        table.addTopLevelItem(new QTreeWidgetItem(cells));
    }
    const int columns = std::max(1, static_cast<int>(captions.size()));
    for (int n = 0; n < columns; ++n) {
        table.setColumnWidth(n, std::max(60, (control.width - 8) / columns));
    }
}

// The items of a radio group side by side: each as wide as its text needs,
// the space left over shared out between them.
void TFormView::LayoutRadioItems(const TControl& control, QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    if (buttons.isEmpty()) {
        return;
    }
    const int inner = std::max(0, control.width - 16);
    int needed = 0;
    for (QAbstractButton* button : buttons) {
        needed += button->sizeHint().width();
    }
    const int spare = std::max(0, inner - needed) / static_cast<int>(buttons.size());
    int left = 8;
    for (int n = 0; n < static_cast<int>(buttons.size()); ++n) {
        QAbstractButton* button = group.button(n);
        const int width = std::min(button->sizeHint().width() + spare, std::max(0, 8 + inner - left));
        button->setGeometry(left, 20, width, 22);
        left += width;
    }
}

void TFormView::SyncDialog() {
    const params::TFormModel& form = dialog_->Form();
    setWindowTitle(Q(form.Title()));
    if (form.ClientWidth() > 0 && form.ClientHeight() > 0) {
        setFixedSize(form.ClientWidth(), form.ClientHeight());
    }
}

void TFormView::SyncTimer(const std::string& name) {
    const auto& timers = dialog_->Timers();
    const auto found = timers.find(name);
    if (found == timers.end()) {
        return;
    }
    QTimer*& timer = timers_[name];
    if (timer == nullptr) {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, name] { Busy([&] { dialog_->Tick(name); }); });
    }
    timer->setInterval(found->second.intervalMs);
    if (found->second.enabled) {
        timer->start();
    } else {
        timer->stop();
    }
}

void TFormView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        dialog_->FormShow();
        ApplyLangFont(this);
        // The font gave labels their natural size; the dialog's own
        // positions and sizes count.
        for (const TControl* control : dialog_->Form().Controls()) {
            Sync(control->name);
        }
    }
}

} // namespace tolvane
