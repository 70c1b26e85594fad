// Reading from a USB printer node: a bounded number of read attempts within a
// time budget, and the scratch buffer through which short requests are read.
#pragma once

#include <cstdint>

namespace cobrix {

class CancelFlag;

struct UsbReadTiming {
    int64_t budgetMs;   // the whole call
    int64_t intervalMs; // the wait for more once the first bytes arrived
};

// Reads into target[0..capacity) until at least `wanted` bytes arrived.
// At most 5 attempts; until the first bytes each may wait for what is left
// of the budget, afterwards only the interval. 0 when `wanted` bytes arrived,
// -332 when a wait passed without data, the budget ran out or the attempts
// were spent, or a system code. `received` is always set.
int readWithAttempts(int fd, uint8_t* target, int capacity, int wanted, UsbReadTiming timing,
                     const CancelFlag& cancel, int* received);

// One read of what arrives within `waitMs`: 0 (possibly with nothing) or a
// system code.
int readOnce(int fd, uint8_t* target, int capacity, int64_t waitMs, const CancelFlag& cancel, int* received);

// Copies what a read through a scratch buffer brought to `destination`: when
// more than `length` bytes arrived, only the last `length` are kept. Returns
// the count handed back, never more than `length`.
int handBackLast(const uint8_t* scratch, int received, uint8_t* destination, int length);

} // namespace cobrix
