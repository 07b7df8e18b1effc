#include "launcher/Weekdays.h"

#include "clock/JapaneseLocale.h"

namespace Weekdays {

const char16_t* const kEveryDay = u"日 月 火 水 木 金 土";

const std::u16string& Letter(int weekday)
{
    return JapaneseLocale::ShortWeekdayName(weekday);
}

std::u16string TextOf(const Choice& days)
{
    std::u16string text;
    for (int i = 0; i < 7; ++i) {
        if (days[static_cast<std::size_t>(i)])
            text += u" " + Letter(i);
    }
    return text;
}

Choice ChoiceOf(const std::u16string& text)
{
    Choice days{};
    for (int i = 0; i < 7; ++i)
        days[static_cast<std::size_t>(i)] = Contains(text, Letter(i));
    return days;
}

bool Contains(const std::u16string& text, const std::u16string& name)
{
    return !name.empty() && text.find(name) != std::u16string::npos;
}

} // namespace Weekdays
