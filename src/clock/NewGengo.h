#pragma once
#include <string>

#include "clock/Moment.h"

// The era date: the locale's Japanese era before 1 May 2019, the era that began
// that day counted by the program itself from then on.
std::u16string EraDateText(bool withWeekday, const Moment& date);
