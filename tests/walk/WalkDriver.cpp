#include "WalkDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

namespace tolvane::test {

namespace {

// The main actions in the order they are looked for: writing back what was
// read, reading again, printing, reading a tag or scanning.
constexpr const char* kMainActions[] = {"btnSet",       "btnRefresh", "btnGetAllImage", "btnReadData",
                                        "btnReadPara",  "btnRfidR",   "btnPrint",       "btnScanTest",
                                        "btnGetAllTmp", "btnOK"};

// What a user types before the main action where a window cannot act on
// an empty field: the text of a test print.
struct TypedInput {
    const char* control;
    const char* text;
};
constexpr TypedInput kTypedInputs[] = {{"txtPrintText", "Tolvane walk 123"}};

// Types the inputs into their empty fields; the controls typed into.
std::string TypeInputs(QWidget& window) {
    std::string typed;
    for (const TypedInput& input : kTypedInputs) {
        for (auto* memo : window.findChildren<QPlainTextEdit*>(input.control)) {
            if (memo->isVisibleTo(&window) && memo->toPlainText().trimmed().isEmpty()) {
                memo->setPlainText(input.text);
                typed += std::string(typed.empty() ? "" : ",") + input.control;
            }
        }
        for (auto* edit : window.findChildren<QLineEdit*>(input.control)) {
            if (edit->isVisibleTo(&window) && edit->text().trimmed().isEmpty()) {
                edit->setText(input.text);
                typed += std::string(typed.empty() ? "" : ",") + input.control;
            }
        }
    }
    return typed;
}

std::string WindowName(const QWidget& window) {
    std::string name = window.metaObject()->className();
    if (!window.objectName().isEmpty()) {
        name = window.objectName().toStdString();
    }
    return name;
}

std::string FileSafe(std::string text) {
    for (char& c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') {
            c = '_';
        }
    }
    return text;
}

} // namespace

QWidget* MainAction(QWidget& window) {
    for (const char* name : kMainActions) {
        for (auto* button : window.findChildren<QAbstractButton*>(name)) {
            if (button->isVisibleTo(&window) && button->isEnabled()) {
                return button;
            }
        }
    }
    return nullptr;
}

WalkDriver::WalkDriver(const emulator::Emulator& printer, std::string folder, std::string prefix)
    : printer_(printer), folder_(std::move(folder)), prefix_(std::move(prefix)) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

void WalkDriver::Run(const std::function<void()>& press) {
    states_.clear();
    seen_.clear();
    lastChange_ = std::chrono::steady_clock::now();
    timer_.start();
    press();
    timer_.stop();
}

bool WalkDriver::Settled(State& state, QWidget& window) {
    const auto now = std::chrono::steady_clock::now();
    if (now - state.since > kPhaseLimit) {
        windows_[state.index].timedOut = true;
        return true;
    }
    if (now - lastChange_ <= kQuiet || now - state.since <= kQuiet) {
        return false;
    }
    // A window that disables its main action while it reads is still busy;
    // one without an enabled main action gets a longer quiet time.
    return state.phase != Phase::Reading || MainAction(window) != nullptr || now - lastChange_ > kLongQuiet;
}

void WalkDriver::Photograph(QWidget& window, const std::string& name, const char* phase) {
    if (folder_.empty()) {
        return;
    }
    const QImage picture = window.grab().toImage();
    const std::string path = folder_ + "/" + FileSafe(prefix_ + "_" + name + "_" + phase) + ".png";
    picture.save(QString::fromStdString(path));
}

void WalkDriver::Tick() {
    const std::vector<emulator::Record> records = printer_.records();
    const uint64_t sequence = records.empty() ? 0 : records.back().sequence;
    if (records.size() != lastRecordCount_ || sequence != lastSequence_) {
        lastRecordCount_ = records.size();
        lastSequence_ = sequence;
        lastChange_ = std::chrono::steady_clock::now();
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    auto found = states_.find(modal);
    const bool known =
        std::any_of(seen_.begin(), seen_.end(), [&](const QPointer<QWidget>& w) { return w == modal; });
    if (found == states_.end() || !known) {
        states_[modal] = State{Phase::Reading, std::chrono::steady_clock::now(), windows_.size()};
        seen_.emplace_back(modal);
        windows_.push_back({WindowName(*modal), "", false});
        return;
    }
    State& state = found->second;
    if (!Settled(state, *modal)) {
        return;
    }
    WalkedWindow& walked = windows_[state.index];
    switch (state.phase) {
    case Phase::Reading: {
        Photograph(*modal, walked.name, "read");
        state.phase = Phase::Acting;
        state.since = std::chrono::steady_clock::now();
        if (QWidget* action = MainAction(*modal)) {
            walked.action = action->objectName().toStdString();
            if (const std::string typed = TypeInputs(*modal); !typed.empty()) {
                walked.action += ", typed into " + typed;
            }
            // Clicked after this tick: a modal window the click opens runs
            // its own event loop, in which this timer goes on ticking.
            QMetaObject::invokeMethod(action, "click", Qt::QueuedConnection);
        }
        break;
    }
    case Phase::Acting:
        Photograph(*modal, walked.name, "action");
        state.phase = Phase::Closing;
        state.since = std::chrono::steady_clock::now();
        {
            QAbstractButton* close = nullptr;
            for (auto* button : modal->findChildren<QAbstractButton*>("btnClose")) {
                if (button->isVisibleTo(modal) && button->isEnabled()) {
                    close = button;
                }
            }
            // Queued: they run after this tick, and not at all for a window
            // that is gone by then.
            if (close != nullptr) {
                QMetaObject::invokeMethod(close, "click", Qt::QueuedConnection);
            }
            QMetaObject::invokeMethod(modal, "close", Qt::QueuedConnection);
        }
        break;
    case Phase::Closing:
        // A window that would not close: reject it.
        modal->hide();
        break;
    }
}

} // namespace tolvane::test
