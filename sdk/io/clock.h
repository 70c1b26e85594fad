// Monotonic milliseconds for the ports' time budgets.
#pragma once

#include <chrono>
#include <cstdint>

namespace cobrix {

inline int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Milliseconds left of a budget that started at `startMs`; never negative.
inline int64_t msLeft(int64_t startMs, int64_t budgetMs) {
    const int64_t left = budgetMs - (nowMs() - startMs);
    return left > 0 ? left : 0;
}

// poll() takes an int timeout.
inline int pollTimeout(int64_t ms) {
    if (ms <= 0) {
        return 0;
    }
    return ms > 0x7fffffff ? 0x7fffffff : static_cast<int>(ms);
}

} // namespace cobrix
