#include "emulator/core/handler_set.h"

#include <algorithm>

namespace emulator {

void HandlerSet::add(std::shared_ptr<Handler> handler, int rank) {
    if (!handler) {
        return;
    }
    const auto after = std::upper_bound(entries_.begin(), entries_.end(), rank,
                                        [](int r, const Entry& entry) { return r < entry.rank; });
    entries_.insert(after, Entry{rank, std::move(handler)});
    ++generation_;
}

} // namespace emulator
