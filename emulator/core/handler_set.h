#pragma once

#include "emulator/core/handler.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace emulator {

// The order in which handlers look at the input: the first handler (lowest
// rank, then earliest added) whose scan is not NoMatch takes the frame.
// Handlers that narrow a standard frame (a particular "do" action with a
// behaviour of its own) use kRankSpecific; catch-alls use kRankCatchAll.
constexpr int kRankSpecific = 0;
constexpr int kRankStandard = 100;
constexpr int kRankCatchAll = 200;

class HandlerSet {
  public:
    void add(std::shared_ptr<Handler> handler, int rank = kRankStandard);

    size_t size() const { return entries_.size(); }
    // Changes whenever a handler is added, so that a dispatcher knows its
    // remembered position in the order is stale.
    uint64_t generation() const { return generation_; }
    Handler& at(size_t index) const { return *entries_[index].handler; }

  private:
    struct Entry {
        int rank;
        std::shared_ptr<Handler> handler;
    };
    std::vector<Entry> entries_;
    uint64_t generation_ = 0;
};

} // namespace emulator
