#include "clock/SystemClock_win.h"

#include <windows.h>

namespace {

constexpr long long kTicksPerSecond = 10000000;
constexpr long long kUnixEpochTicks = 116444736000000000LL; // 1970-01-01 in FILETIME ticks

long long Ticks(const FILETIME& time)
{
    return (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

ClockReading Win32SystemClock::Now()
{
    FILETIME utc{}, local{};
    GetSystemTimeAsFileTime(&utc);
    FileTimeToLocalFileTime(&utc, &local);
    SYSTEMTIME st{};
    FileTimeToSystemTime(&local, &st);
    ClockReading reading;
    reading.local.year = st.wYear;
    reading.local.month = st.wMonth;
    reading.local.day = st.wDay;
    reading.local.hour = st.wHour;
    reading.local.minute = st.wMinute;
    reading.local.second = st.wSecond;
    reading.local.weekday = st.wDayOfWeek;
    reading.utcSeconds = (Ticks(utc) - kUnixEpochTicks) / kTicksPerSecond;
    reading.millisecond = st.wMilliseconds;
    return reading;
}
