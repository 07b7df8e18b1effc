#include "clock/JapaneseLocale.h"

#include <array>

namespace JapaneseLocale {

namespace {

struct Era {
    int year, month, day; // first day of the era
    const char16_t* name;
};

// The eras of the Japanese-era calendar with their first days, oldest first.
constexpr std::array<Era, 5> kEras{{
    {1868, 9, 8, u"明治"},
    {1912, 7, 30, u"大正"},
    {1926, 12, 25, u"昭和"},
    {1989, 1, 8, u"平成"},
    {2019, 5, 1, u"令和"},
}};

} // namespace

const std::u16string& ShortWeekdayName(int weekday)
{
    static const std::array<std::u16string, 7> names{u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    return names[static_cast<std::size_t>(((weekday % 7) + 7) % 7)];
}

const std::u16string& NoonDesignator(int hour)
{
    static const std::u16string am = u"午前";
    static const std::u16string pm = u"午後";
    return hour < 12 ? am : pm;
}

EraYear EraOf(const Moment& date)
{
    const std::int64_t day = date.DayNumber();
    for (auto it = kEras.rbegin(); it != kEras.rend(); ++it) {
        if (day >= Moment::FromCivil(it->year, it->month, it->day).DayNumber())
            return {it->name, date.year - it->year + 1};
    }
    return {u"", date.year};
}

} // namespace JapaneseLocale
