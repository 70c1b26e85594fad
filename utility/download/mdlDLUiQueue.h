// A queue of work for the user-interface thread, for hosts without an event
// loop of their own (tolvane-cli, tests): worker threads post, the owning
// thread runs what is waiting.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace tolvane::download {

class TUiQueue {
  public:
    void Post(std::function<void()> work) {
        {
            std::lock_guard lock(mutex_);
            work_.push_back(std::move(work));
        }
        wake_.notify_one();
    }
    // Runs everything waiting; waits up to `wait` for the first piece.
    void RunPending(std::chrono::milliseconds wait = std::chrono::milliseconds(0)) {
        std::deque<std::function<void()>> batch;
        {
            std::unique_lock lock(mutex_);
            wake_.wait_for(lock, wait, [&] { return !work_.empty(); });
            batch.swap(work_);
        }
        for (auto& work : batch) {
            work();
        }
    }

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> work_;
};

} // namespace tolvane::download
