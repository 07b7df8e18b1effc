#pragma once
#include <string>

#include "clock/Moment.h"

// Renders a moment by a date/time pattern: quoted literal runs, specifier runs
// (y m d aaa ggg e h n s ampm AM/PM, either letter case) and literal characters.
std::u16string FormatClock(const std::u16string& pattern, const Moment& moment);
