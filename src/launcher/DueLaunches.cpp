#include "launcher/DueLaunches.h"

#include "clock/FormatClock.h"
#include "clock/Moment.h"
#include "launcher/Weekdays.h"
#include "settings/IniValues.h"

namespace {

int ClockNumber(SystemClock& clock, const char16_t* pattern)
{
    const std::u16string text = FormatClock(pattern, clock.Now().local);
    return IniValues::WholeNumber(text).value_or(-1);
}

bool Matches(const std::u16string& rowText, int clockValue)
{
    const std::optional<int> number = IniValues::WholeNumber(rowText);
    return number && *number == clockValue;
}

} // namespace

void RunDueLaunches(const std::vector<LaunchEntry>& rows, const std::u16string& qelExePath, SystemClock& clock,
                    LaunchRunner& runner)
{
    if (qelExePath.empty())
        return;
    for (const LaunchEntry& row : rows) {
        if (!row.Enabled)
            continue;
        if (!Matches(row.Hour, ClockNumber(clock, u"hh")))
            continue;
        if (!Matches(row.Min, ClockNumber(clock, u"nn")))
            continue;
        if (!Weekdays::Contains(row.Day, FormatClock(u"aaa", clock.Now().local)))
            continue;
        runner.RunAndWait(row.File);
    }
}
