// The waiting of wait_until.h for tests with a Qt event loop: the loop runs
// (timers fire, posted replies arrive) until the condition holds or the
// deadline passes.
#pragma once

#include "wait_until.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace tolvane::test {

// Runs the event loop until `done` holds or `limit` has passed; whether it
// holds. Each round blocks until an event comes; a 5 ms ticker makes sure
// one comes, so that a condition set by another thread is seen as well.
template <typename Done>
bool ProcessEventsUntil(Done&& done, std::chrono::milliseconds limit = kWaitLimit) {
    const QDeadlineTimer deadline(limit);
    QTimer ticker;
    ticker.start(5);
    while (!done()) {
        if (deadline.hasExpired()) {
            return done();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace tolvane::test
