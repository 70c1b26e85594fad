#include "mdlClock.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>

namespace tolvane {
namespace {

std::mutex g_clockMutex;
LocalClock g_clock;

TLocalTime SystemNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    ::localtime_r(&seconds, &local);
    return TLocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,           local.tm_hour,
                      local.tm_min,         local.tm_sec,     static_cast<int>(millis)};
}

std::string Format(const TLocalTime& t, char millisSeparator) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d%c%03d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second, millisSeparator, t.millisecond);
    return text;
}

} // namespace

TLocalTime NowLocal() {
    LocalClock clock;
    {
        std::lock_guard lock(g_clockMutex);
        clock = g_clock;
    }
    return clock ? clock() : SystemNow();
}

void SetLocalClock(LocalClock clock) {
    std::lock_guard lock(g_clockMutex);
    g_clock = std::move(clock);
}

std::string FormatLogTime(const TLocalTime& t) {
    return Format(t, '.');
}
std::string FormatStampTime(const TLocalTime& t) {
    return Format(t, '-');
}

std::string FormatLogDate(const TLocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d", t.year, t.month, t.day);
    return text;
}

} // namespace tolvane
