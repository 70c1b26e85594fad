// Exclusive opening of device files and the timed byte moves on them.
#pragma once

#include <cstdint>

namespace cobrix {

class CancelFlag;

// Opens a device for reading and writing, existing devices only, held
// exclusively: another opener (in this process or another) gets 5. The
// descriptor is non-blocking. 0 and `fd`, or a positive system code.
int openDeviceExclusive(const char* path, int* fd);

// Releases the exclusivity and closes the descriptor.
void closeDevice(int fd);

// Read timing in the manner of serial-port timeouts: the read ends when
// `length` bytes arrived, when `intervalMs` passed between two bytes (after
// the first byte), or when `totalMs` passed in all. totalMs <= 0 and
// intervalMs <= 0 wait until `length` bytes arrived.
struct ReadTiming {
    int64_t intervalMs;
    int64_t totalMs;
};

// One timed read. 0 with the count (possibly short), or a system code.
int timedRead(int fd, uint8_t* buffer, int length, ReadTiming timing, const CancelFlag& cancel, int* got);

// Writes buffer[0..length) within `budgetMs`; 0 when all was written,
// -322 when the budget ran out, or a system code. `written` is always set.
int timedWrite(int fd, const uint8_t* buffer, int length, int64_t budgetMs, int* written);

} // namespace cobrix
