// Drives the windows a main window button opens, as a user walking through
// the product would: each window is let read until the printer falls quiet,
// photographed, its main action pressed without changing anything, let
// settle, photographed again and closed.
#pragma once

#include "CoreFixture.h"
#include "WalkDownloads.h"

#include "emulator/emulator.h"
#include "gui/mdlFileChooser.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tolvane::test {

// What the walk's download in a window came to.
struct WalkedDownload {
    const DownloadStep* step = nullptr; // nullptr: the window downloads nothing
    std::string missing;                // a control of the step the window did not offer
    std::vector<ShownBox> boxes;        // the boxes the download showed
    std::string stored;                 // what the printer stored (WhatWasStored)
    bool printTried = false;
    std::string printMissing; // why the stored file could not be printed
    std::string printed;      // the complete jobs the print sent (PrintedJob)
};

// One window the walk went through.
struct WalkedWindow {
    std::string name;   // the window's class name
    std::string action; // the button pressed as its main action ("" when it has none)
    bool timedOut = false;
    WalkedDownload download;
};

// What the walk needs to download as a user would: the chooser it answers
// through, the boxes shown so far and the fixture files.
struct WalkDownloadContext {
    TScriptedFileChooser& chooser;
    const std::vector<ShownBox>& boxes;
    std::map<WalkFixture, std::string> fixtures;
};

class WalkDriver {
  public:
    // Screenshots go to `folder` as PREFIX_WINDOW_PHASE.png (none when empty).
    // With `downloads`, every download window of the table downloads its
    // fixture and prints it before its main action.
    WalkDriver(emulator::Emulator& printer, std::string folder, std::string prefix,
               const WalkDownloadContext* downloads = nullptr);

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
    enum class Phase { Reading, Downloading, Printing, Opening, Acting, Closing };
    struct State {
        Phase phase = Phase::Reading;
        std::chrono::steady_clock::time_point since;
        std::size_t index = 0; // into windows_
        // The download under way: the stored files and boxes before it,
        // and the last record before the print.
        StoredState storedBefore;
        std::size_t boxesBefore = 0;
        uint64_t sequenceBefore = 0;
        // Set once the handler of the button the step pressed returned.
        std::shared_ptr<bool> clicked;
    };

    void Tick();
    bool Settled(State& state, QWidget& window);
    void Photograph(QWidget& window, const std::string& name, const char* phase);
    void Enter(State& state, Phase phase);
    // The download steps, each ending in the next phase.
    void StartDownload(QWidget& window, State& state);
    void EndDownload(QWidget& window, State& state);
    void EndPrint(QWidget& window, State& state);
    void OpenNext(QWidget& window, State& state);
    void Act(QWidget& window, State& state);
    uint64_t LastSequence() const;
    std::vector<emulator::Record> RecordsSince(uint64_t sequence) const;
    // A whole job or print command reached the printer since the print.
    bool PrintArrived(const State& state) const;

    emulator::Emulator& printer_;
    const WalkDownloadContext* downloads_;
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
