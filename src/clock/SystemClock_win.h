#pragma once
#include "clock/Moment.h"

// The system clock: one reading of the real time, turned into local time.
class Win32SystemClock : public SystemClock {
public:
    ClockReading Now() override;
};
