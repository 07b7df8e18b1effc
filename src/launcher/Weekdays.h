#pragma once
#include <array>
#include <string>

// The weekday text of a launch row: the letters of its weekdays, Sunday first.
namespace Weekdays {

using Choice = std::array<bool, 7>; // index 0 is Sunday

// Captions of the seven weekday boxes, which are also the locale's short names.
const std::u16string& Letter(int weekday);

// One blank and the letter for each ticked day, in order: " 月 水 金".
std::u16string TextOf(const Choice& days);
// The days whose letter occurs anywhere in the text.
Choice ChoiceOf(const std::u16string& text);
bool Contains(const std::u16string& text, const std::u16string& name);

// The text a stored row gets without a Day key: every day.
extern const char16_t* const kEveryDay;

} // namespace Weekdays
