#include "mdlPrtExchange.h"

#include "mdlPrinterLib.h"
#include "mdlPrinterLibState.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

namespace tolvane {

namespace {
std::atomic<TPauseHook> pauseHook{nullptr};
} // namespace

void SetPauseHook(TPauseHook hook) {
    pauseHook.store(hook);
}

void PauseMs(int ms) {
    if (ms <= 0) {
        return;
    }
    if (const TPauseHook hook = pauseHook.load()) {
        hook(ms);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

bool WriteFrame(std::string_view frame) {
    return PrtLib_Write(frame) == 0;
}

std::vector<uint8_t> ReadOnce(int length, int& result) {
    return ReadOnce(PrtLib_Current(), length, result);
}

std::vector<uint8_t> ReadOnce(TPrtLib lib, int length, int& result) {
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max(length, 0)));
    int count = 0;
    result = PrtLib_Read(lib, bytes.data(), length, count);
    bytes.resize(static_cast<size_t>(std::clamp(count, 0, length)));
    return bytes;
}

std::vector<uint8_t> ReadUpToZero(int capacity, bool& ok) {
    std::vector<uint8_t> bytes(static_cast<size_t>(capacity));
    int count = 0;
    ok = PrtLib_ReadUntil(bytes.data(), 0, capacity, count, 0, 0) == 0;
    bytes.resize(ok ? static_cast<size_t>(std::clamp(count, 0, capacity)) : 0);
    return bytes;
}

int KeepingResult(int result, int value) {
    KeepResult(result);
    return value;
}

} // namespace tolvane
