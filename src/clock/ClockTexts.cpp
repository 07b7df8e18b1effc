#include "clock/ClockTexts.h"

#include <array>

#include "clock/FormatClock.h"
#include "clock/NewGengo.h"

namespace ClockTexts {

const char16_t* const kNotShown = u"表示しない";

namespace {

// Date formats 2..7; 0 and 1 are era dates.
constexpr std::array<const char16_t*, 6> kDatePatterns{
    u"yyyy\"/\"mm\"/\"dd\"(\"aaa\")\"", u"yyyy\"/\"mm\"/\"dd", u"yy\"/\"mm\"/\"dd\"(\"aaa\")\"", u"yy\"/\"mm\"/\"dd",
    u"mm\"/\"dd\"(\"aaa\")\"",          u"mm\"/\"dd",
};

constexpr std::array<const char16_t*, 6> kTimePatterns{
    u"hh\"時\"nn\"分\"ss\"秒\"", u"hh\"時\"nn\"分\"", u"hh\":\"nn\":\"ss", u"hh\":\"nn",
    u"(AM/PM)hh\":\"nn\":\"ss",  u"(AM/PM)hh\":\"nn",
};

} // namespace

bool ShowsDate(int index)
{
    return index >= 0 && index < kNoDate;
}

bool ShowsTime(int index)
{
    return index >= 0 && index < kNoTime;
}

std::u16string DateText(int index, const Moment& date)
{
    if (index == 0 || index == 1)
        return EraDateText(index == 0, date);
    if (!ShowsDate(index))
        return {};
    return FormatClock(kDatePatterns[static_cast<std::size_t>(index - 2)], date);
}

std::u16string TimeText(int index, const Moment& time)
{
    if (!ShowsTime(index))
        return {};
    return FormatClock(kTimePatterns[static_cast<std::size_t>(index)], time);
}

std::u16string TrayHintText(const Moment& moment)
{
    return FormatClock(u"yyyy\"年\"m\"月\"d\"日\"(aaa\"曜日\")", moment) + u" " +
           FormatClock(u"ampm h\"時\"n\"分\"", moment);
}

std::u16string StartButtonText(int mode, const Moment& moment)
{
    return FormatClock(mode == 1 ? u"mm\"/\"dd" : u"hh\":\"mm", moment);
}

} // namespace ClockTexts
