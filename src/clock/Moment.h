#pragma once
#include <cstdint>

// A local date and time of day, to the second, as the system clock reports it.
struct Moment {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    int weekday = 6; // 0 Sunday .. 6 Saturday

    // Builds a moment from calendar fields and works out the weekday.
    static Moment FromCivil(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    // Days since 1970-01-01 of the date part, for comparing dates.
    std::int64_t DayNumber() const;
};

bool operator<(const Moment& a, const Moment& b);

// One reading of the clock: the local moment plus the real (UTC) time it belongs to.
struct ClockReading {
    Moment local;
    std::int64_t utcSeconds = 0; // seconds since 1970-01-01 UTC
    int millisecond = 0;         // 0..999 within the current second

    std::int64_t UtcMinute() const;
};

// The source of clock readings; the program reads the system clock, tests a fake one.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    virtual ClockReading Now() = 0;
};
