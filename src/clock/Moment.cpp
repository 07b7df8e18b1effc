#include "clock/Moment.h"

#include <tuple>

namespace {

// Howard Hinnant's days-from-civil: exact for the whole proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

Moment Moment::FromCivil(int year, int month, int day, int hour, int minute, int second)
{
    Moment m;
    m.year = year;
    m.month = month;
    m.day = day;
    m.hour = hour;
    m.minute = minute;
    m.second = second;
    const std::int64_t days = DaysFromCivil(year, month, day);
    // 1970-01-01 was a Thursday (4).
    m.weekday = static_cast<int>(FloorDiv(days + 4, 7) * -7 + days + 4);
    return m;
}

std::int64_t Moment::DayNumber() const
{
    return DaysFromCivil(year, month, day);
}

bool operator<(const Moment& a, const Moment& b)
{
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

std::int64_t ClockReading::UtcMinute() const
{
    return FloorDiv(utcSeconds, 60);
}
