#include "clock/NewGengo.h"

#include "clock/FormatClock.h"

namespace {

const Moment kNewEraFirstDay = Moment::FromCivil(2019, 5, 1);

} // namespace

std::u16string EraDateText(bool withWeekday, const Moment& date)
{
    if (date.DayNumber() < kNewEraFirstDay.DayNumber())
        return FormatClock(withWeekday ? u"ggge\"年\"m\"月\"d\"日(\"aaa\"曜日)\"" : u"ggge\"年\"m\"月\"d\"日", date);
    const int eraYear = date.year - kNewEraFirstDay.year + 1;
    std::u16string text = u"令和";
    if (eraYear == 1) {
        text += u"元年";
    } else {
        const std::string digits = std::to_string(eraYear);
        text += std::u16string(digits.begin(), digits.end()) + u"年";
    }
    return text + FormatClock(withWeekday ? u"m\"月\"d\"日(\"aaa\"曜日)\"" : u"m\"月\"d\"日", date);
}
