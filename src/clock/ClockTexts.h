#pragma once
#include <string>

#include "clock/Moment.h"

// Every date and time text the program derives from the clock.
namespace ClockTexts {

constexpr int kDateFormatCount = 9; // index 8 shows no date
constexpr int kTimeFormatCount = 7; // index 6 shows no time
constexpr int kNoDate = 8;
constexpr int kNoTime = 6;

// Caption of the last item of both format lists.
extern const char16_t* const kNotShown;

// Whether a format index renders a text at all.
bool ShowsDate(int index);
bool ShowsTime(int index);

std::u16string DateText(int index, const Moment& date);
std::u16string TimeText(int index, const Moment& time);
std::u16string TrayHintText(const Moment& moment);
std::u16string StartButtonText(int mode, const Moment& moment);

} // namespace ClockTexts
