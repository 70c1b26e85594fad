// Waiting in tests: until a condition holds or a deadline passes. Never a
// fixed number of rounds: a round takes no time at all when nothing is
// pending on an idle machine, and longer than planned on a loaded one.
#pragma once

#include <chrono>
#include <thread>

namespace tolvane::test {

// Long enough for a loaded CI machine; a wait ends as soon as its condition
// holds, so a passing test never waits this long.
inline constexpr std::chrono::milliseconds kWaitLimit{20000};

// Checks `done` until it holds or `limit` has passed, pausing 1 ms between
// checks; whether it holds.
template <typename Done>
bool WaitUntil(Done&& done, std::chrono::milliseconds limit = kWaitLimit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return done();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace tolvane::test
