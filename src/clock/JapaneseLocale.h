#pragma once
#include <string>

#include "clock/Moment.h"

// The Japanese locale's date data, built in so that every text comes out the same
// whatever locale the system itself runs in.
namespace JapaneseLocale {

// Abbreviated weekday name, Sunday = 0: one character each.
const std::u16string& ShortWeekdayName(int weekday);

// Designators for before noon (hours 0..11) and after noon (12..23).
const std::u16string& NoonDesignator(int hour);

struct EraYear {
    std::u16string name; // empty before the first era of the calendar
    int year = 0;        // year within the era (the calendar year before the first era)
};

// The era of a date in the Japanese-era calendar and the year within it.
EraYear EraOf(const Moment& date);

} // namespace JapaneseLocale
