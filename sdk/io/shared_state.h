// The library-wide lock that guards the ports' cancel flags, and the flag itself.
#pragma once

#include <mutex>

namespace cobrix {

std::mutex& sharedPortLock();

// A cancel flag read and written only under the shared lock.
class CancelFlag {
  public:
    void raise() {
        std::lock_guard<std::mutex> guard(sharedPortLock());
        raised_ = true;
    }
    void lower() {
        std::lock_guard<std::mutex> guard(sharedPortLock());
        raised_ = false;
    }
    bool raised() const {
        std::lock_guard<std::mutex> guard(sharedPortLock());
        return raised_;
    }

  private:
    bool raised_ = false;
};

} // namespace cobrix
