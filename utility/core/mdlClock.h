// Local wall-clock time with milliseconds, and the time formats of the debug
// log. The clock can be replaced so that tests see a fixed time.
#pragma once

#include <functional>
#include <string>

namespace tolvane {

struct TLocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

using LocalClock = std::function<TLocalTime()>;

// The current local time from the installed clock (the system clock by default).
TLocalTime NowLocal();
// Installs a clock; an empty function restores the system clock.
void SetLocalClock(LocalClock clock);

// "yyyy-mm-dd hh:nn:ss.zzz": the time that starts every log line.
std::string FormatLogTime(const TLocalTime& t);
// "yyyy-mm-dd hh:nn:ss-zzz": the time inside start lines and result files.
std::string FormatStampTime(const TLocalTime& t);
// "yyyymmdd": the date in log file names.
std::string FormatLogDate(const TLocalTime& t);

} // namespace tolvane
