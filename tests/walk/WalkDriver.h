// Drives the windows a main window button opens, as a user walking through
// the product would: each window is let read until the printer falls quiet,
// photographed, its main action pressed without changing anything, let
// settle, photographed again and closed.
#pragma once

#include "emulator/emulator.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tolvane::test {

// One window the walk went through.
struct WalkedWindow {
    std::string name;   // the window's class name
    std::string action; // the button pressed as its main action ("" when it has none)
    bool timedOut = false;
};

class WalkDriver {
  public:
    // Screenshots go to `folder` as PREFIX_WINDOW_PHASE.png (none when empty).
    WalkDriver(const emulator::Emulator& printer, std::string folder, std::string prefix);

    // Runs `press` (a click that may open modal windows) and drives every
    // modal window that opens until it is closed again.
    void Run(const std::function<void()>& press);

    const std::vector<WalkedWindow>& Windows() const { return windows_; }

    // How long the printer must be quiet before a window counts as read.
    static constexpr std::chrono::milliseconds kQuiet{350};
    // The same for a window whose main action is not (yet) enabled.
    static constexpr std::chrono::milliseconds kLongQuiet{3000};
    // How long a window may take to read or to carry out its action.
    static constexpr std::chrono::milliseconds kPhaseLimit{40000};

  private:
    enum class Phase { Reading, Acting, Closing };
    struct State {
        Phase phase = Phase::Reading;
        std::chrono::steady_clock::time_point since;
        std::size_t index = 0; // into windows_
    };

    void Tick();
    bool Settled(State& state, QWidget& window);
    void Photograph(QWidget& window, const std::string& name, const char* phase);

    const emulator::Emulator& printer_;
    std::string folder_;
    std::string prefix_;
    QTimer timer_;
    std::map<QWidget*, State> states_;
    std::vector<QPointer<QWidget>> seen_;
    std::vector<WalkedWindow> windows_;
    std::size_t lastRecordCount_ = 0;
    uint64_t lastSequence_ = 0;
    std::chrono::steady_clock::time_point lastChange_;
};

// The main action of a window: the first shown and enabled button of the
// list (Set, Refresh, Read, Print, ...); nullptr when it has none.
QWidget* MainAction(QWidget& window);

} // namespace tolvane::test
