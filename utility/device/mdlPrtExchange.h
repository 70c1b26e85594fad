// Small steps shared by the protocol operations: writing a frame, pausing,
// reading a reply, and the rule for a failed read.
#pragma once

#include "mdlPrinterLibLoad.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// Size of the reply area of the text replies.
inline constexpr int kTextReplySize = 512;

// Waits `ms` milliseconds between a command and its reply. The program
// installs a pause that keeps its windows painting (and ignores user input)
// while the protocol waits; without one the thread sleeps.
void PauseMs(int ms);
using TPauseHook = void (*)(int ms);
// Installs the pause; nullptr restores the plain sleep.
void SetPauseHook(TPauseHook hook);

// Writes a frame through the current library; true on success.
bool WriteFrame(std::string_view frame);

// A read failed when it returned a non-zero result without any byte. (A
// network reply shorter than asked for ends with the read time-out and its
// count; its bytes are the reply.)
inline bool ReadFailed(int result, int count) {
    return result != 0 && count <= 0;
}

// One read of up to `length` bytes through the current library (or `lib`);
// `result` receives the read's result.
std::vector<uint8_t> ReadOnce(int length, int& result);
std::vector<uint8_t> ReadOnce(TPrtLib lib, int length, int& result);

// A framed read into `capacity` bytes up to the first zero byte. Empty when
// the read did not end with the zero byte.
std::vector<uint8_t> ReadUpToZero(int capacity, bool& ok);

// Stores `result` as the facade's last result again (a close that followed
// it has replaced it) and gives `value`.
int KeepingResult(int result, int value);

} // namespace tolvane
