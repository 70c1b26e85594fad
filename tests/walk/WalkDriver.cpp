#include "WalkDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

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

// The shown and enabled button of that name; nullptr when there is none.
QAbstractButton* OfferedButton(QWidget& window, const char* name) {
    for (auto* button : window.findChildren<QAbstractButton*>(name)) {
        if (button->isVisibleTo(&window) && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

// Clicks after this tick: a modal window the click opens runs its own
// event loop, in which the driver's timer goes on ticking. The flag is set
// once the button's handler has returned.
std::shared_ptr<bool> ClickLater(QAbstractButton* button) {
    auto done = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        button,
        [button, done] {
            button->click();
            *done = true;
        },
        Qt::QueuedConnection);
    return done;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Selects the entry of the list (or table) that names the file; false when
// none does.
bool SelectStored(QWidget& window, const char* list, const std::string& path) {
    const std::string stem = Lower(std::filesystem::path(path).stem().string());
    const auto names = [&](const QString& text) {
        return Lower(text.toStdString()).find(stem) != std::string::npos;
    };
    for (auto* widget : window.findChildren<QListWidget*>(list)) {
        for (int row = 0; row < widget->count(); ++row) {
            if (names(widget->item(row)->text())) {
                widget->setCurrentRow(row);
                return true;
            }
        }
    }
    for (auto* widget : window.findChildren<QTreeWidget*>(list)) {
        for (int row = 0; row < widget->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = widget->topLevelItem(row);
            for (int column = 0; column < item->columnCount(); ++column) {
                if (names(item->text(column))) {
                    widget->setCurrentItem(item);
                    return true;
                }
            }
        }
    }
    return false;
}

emulator::Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return emulator::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
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

WalkDriver::WalkDriver(emulator::Emulator& printer, std::string folder, std::string prefix,
                       const WalkDownloadContext* downloads)
    : printer_(printer), downloads_(downloads), folder_(std::move(folder)), prefix_(std::move(prefix)) {
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
        State fresh;
        fresh.since = std::chrono::steady_clock::now();
        fresh.index = windows_.size();
        states_[modal] = std::move(fresh);
        seen_.emplace_back(modal);
        WalkedWindow walked;
        walked.name = WindowName(*modal);
        windows_.push_back(std::move(walked));
        return;
    }
    State& state = found->second;
    if (state.phase == Phase::Downloading && windows_[state.index].download.step->ownsSuccess &&
        downloads_->boxes.size() == state.boxesBefore &&
        std::chrono::steady_clock::now() - state.since <= kPhaseLimit) {
        return; // a download ends in a box: its success or its error
    }
    // A step ends only after its button's handler returned: the TSPL file
    // manager reads its list again once the batch window it opened is closed.
    if (state.clicked && !*state.clicked && std::chrono::steady_clock::now() - state.since <= kPhaseLimit) {
        return;
    }
    if (state.phase == Phase::Printing && !PrintArrived(state) &&
        std::chrono::steady_clock::now() - lastChange_ <= kLongQuiet) {
        return; // the job may still be on its way to the printer
    }
    if (!Settled(state, *modal)) {
        return;
    }
    WalkedWindow& walked = windows_[state.index];
    switch (state.phase) {
    case Phase::Reading:
        Photograph(*modal, walked.name, "read");
        walked.download.step = downloads_ != nullptr ? FindDownloadStep(walked.name) : nullptr;
        if (walked.download.step != nullptr) {
            StartDownload(*modal, state);
        } else {
            Act(*modal, state);
        }
        break;
    case Phase::Downloading:
        EndDownload(*modal, state);
        break;
    case Phase::Printing:
        EndPrint(*modal, state);
        break;
    case Phase::Opening:
        Act(*modal, state);
        break;
    case Phase::Acting:
        Photograph(*modal, walked.name, "action");
        Enter(state, Phase::Closing);
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

void WalkDriver::Enter(State& state, Phase phase) {
    state.phase = phase;
    state.clicked.reset();
    state.since = std::chrono::steady_clock::now();
}

uint64_t WalkDriver::LastSequence() const {
    const std::vector<emulator::Record> records = printer_.records();
    return records.empty() ? 0 : records.back().sequence;
}

void WalkDriver::StartDownload(QWidget& window, State& state) {
    WalkedDownload& download = windows_[state.index].download;
    const DownloadStep& step = *download.step;
    if (step.chooser != nullptr) {
        QAbstractButton* chooser = OfferedButton(window, step.chooser);
        if (chooser == nullptr) {
            download.missing = step.chooser;
            return Act(window, state);
        }
        const std::size_t asked = downloads_->chooser.requests.size();
        const std::string& path = downloads_->fixtures.at(step.fixture);
        windows_[state.index].action = "chose " + std::filesystem::path(path).filename().string() + ", ";
        downloads_->chooser.answers = {path};
        chooser->click();
        // An answer the window did not ask for goes to no later question.
        downloads_->chooser.answers.clear();
        if (downloads_->chooser.requests.size() == asked) {
            download.missing = std::string(step.chooser) + " (the file chooser was not asked)";
            return Act(window, state);
        }
    }
    QAbstractButton* button = OfferedButton(window, step.download);
    if (button == nullptr) {
        download.missing = step.download;
        return Act(window, state);
    }
    windows_[state.index].action += step.download;
    state.storedBefore = ReadStoredState(printer_);
    state.boxesBefore = downloads_->boxes.size();
    Enter(state, Phase::Downloading);
    state.clicked = ClickLater(button);
}

void WalkDriver::EndDownload(QWidget& window, State& state) {
    WalkedWindow& walked = windows_[state.index];
    WalkedDownload& download = walked.download;
    const DownloadStep& step = *download.step;
    Photograph(window, walked.name, "download");
    download.boxes.assign(downloads_->boxes.begin() + static_cast<std::ptrdiff_t>(state.boxesBefore),
                          downloads_->boxes.end());
    if (step.fixture != WalkFixture::None) {
        const std::string& path = downloads_->fixtures.at(step.fixture);
        download.stored =
            WhatWasStored(state.storedBefore, ReadStoredState(printer_), step.fixture, ReadBytes(path));
    }
    if (step.print == nullptr) {
        return OpenNext(window, state);
    }
    download.printTried = true;
    // The stored file: the fixture, or for a window that downloads through
    // another (the TSPL file manager) the file that one took.
    const WalkFixture fixture = step.fixture != WalkFixture::None ? step.fixture : WalkFixture::TsplProgram;
    QAbstractButton* print = nullptr;
    if (!SelectStored(window, step.printList, downloads_->fixtures.at(fixture))) {
        download.printMissing = std::string(step.printList) + " does not list the file";
    } else if (print = OfferedButton(window, step.print); print == nullptr) {
        download.printMissing = step.print;
    }
    if (print == nullptr) {
        return OpenNext(window, state);
    }
    walked.action += std::string(", ") + step.print;
    state.sequenceBefore = LastSequence();
    Enter(state, Phase::Printing);
    state.clicked = ClickLater(print);
}

std::vector<emulator::Record> WalkDriver::RecordsSince(uint64_t sequence) const {
    std::vector<emulator::Record> records = printer_.records();
    std::erase_if(records, [&](const emulator::Record& record) { return record.sequence <= sequence; });
    return records;
}

bool WalkDriver::PrintArrived(const State& state) const {
    return !PrintedJob(RecordsSince(state.sequenceBefore)).empty();
}

void WalkDriver::EndPrint(QWidget& window, State& state) {
    WalkedWindow& walked = windows_[state.index];
    Photograph(window, walked.name, "print");
    walked.download.printed = PrintedJob(RecordsSince(state.sequenceBefore));
    OpenNext(window, state);
}

void WalkDriver::OpenNext(QWidget& window, State& state) {
    const DownloadStep& step = *windows_[state.index].download.step;
    if (step.thenOpen != nullptr) {
        if (QAbstractButton* open = OfferedButton(window, step.thenOpen)) {
            windows_[state.index].action += std::string(", ") + step.thenOpen;
            Enter(state, Phase::Opening);
            state.clicked = ClickLater(open);
            return;
        }
    }
    Act(window, state);
}

void WalkDriver::Act(QWidget& window, State& state) {
    WalkedWindow& walked = windows_[state.index];
    Enter(state, Phase::Acting);
    if (QWidget* action = MainAction(window)) {
        walked.action += std::string(walked.action.empty() ? "" : ", ") + action->objectName().toStdString();
        if (const std::string typed = TypeInputs(window); !typed.empty()) {
            walked.action += ", typed into " + typed;
        }
        QMetaObject::invokeMethod(action, "click", Qt::QueuedConnection);
    }
}

} // namespace tolvane::test
