#include <gtest/gtest.h>

#include "clock/ClockTexts.h"
#include "clock/NewGengo.h"

namespace {

using namespace ClockTexts;

const Moment kApril27 = Moment::FromCivil(2020, 4, 27, 15, 5, 9);

TEST(ClockTexts, EveryDateFormat)
{
    const std::u16string expected[] = {u"令和2年4月27日(月曜日)",
                                       u"令和2年4月27日",
                                       u"2020/04/27(月)",
                                       u"2020/04/27",
                                       u"20/04/27(月)",
                                       u"20/04/27",
                                       u"04/27(月)",
                                       u"04/27",
                                       u""};
    for (int i = 0; i < kDateFormatCount; ++i)
        EXPECT_EQ(DateText(i, kApril27), expected[i]) << "index " << i;
}

TEST(ClockTexts, EveryTimeFormat)
{
    const Moment halfPastMidnight = Moment::FromCivil(2020, 4, 27, 0, 30, 0);
    const std::u16string at1505[] = {u"15時05分09秒", u"15時05分",  u"15:05:09", u"15:05",
                                     u"(PM)03:05:09", u"(PM)03:05", u""};
    const std::u16string at0030[] = {u"00時30分00秒", u"00時30分",  u"00:30:00", u"00:30",
                                     u"(AM)12:30:00", u"(AM)12:30", u""};
    for (int i = 0; i < kTimeFormatCount; ++i) {
        EXPECT_EQ(TimeText(i, kApril27), at1505[i]) << "index " << i;
        EXPECT_EQ(TimeText(i, halfPastMidnight), at0030[i]) << "index " << i;
    }
}

TEST(ClockTexts, IndexesOutsideTheTablesAreEmpty)
{
    for (int index : {-1, 9, 100})
        EXPECT_EQ(DateText(index, kApril27), u"");
    for (int index : {-1, 7, 100})
        EXPECT_EQ(TimeText(index, kApril27), u"");
}

TEST(ClockTexts, EraBoundary)
{
    EXPECT_EQ(EraDateText(true, Moment::FromCivil(2019, 4, 30)), u"平成31年4月30日(火曜日)");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(2019, 4, 30)), u"平成31年4月30日");
    EXPECT_EQ(EraDateText(true, Moment::FromCivil(2019, 5, 1)), u"令和元年5月1日(水曜日)");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(2019, 12, 31)), u"令和元年12月31日");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(2020, 1, 1)), u"令和2年1月1日");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(2026, 12, 10)), u"令和8年12月10日");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(1926, 12, 24)), u"大正15年12月24日");
    EXPECT_EQ(EraDateText(false, Moment::FromCivil(1926, 12, 25)), u"昭和1年12月25日");
}

TEST(ClockTexts, TrayHintHasNoSecondsAndTwelveHourClock)
{
    EXPECT_EQ(TrayHintText(kApril27), u"2020年4月27日(月曜日) 午後 3時5分");
    EXPECT_EQ(TrayHintText(Moment::FromCivil(2020, 4, 27, 0, 0, 59)), u"2020年4月27日(月曜日) 午前 12時0分");
    EXPECT_EQ(TrayHintText(Moment::FromCivil(2020, 4, 27, 12, 7, 0)), u"2020年4月27日(月曜日) 午後 12時7分");
}

TEST(ClockTexts, StartButtonTexts)
{
    EXPECT_EQ(StartButtonText(1, kApril27), u"04/27");
    EXPECT_EQ(StartButtonText(2, kApril27), u"15:05");
}

TEST(Moment, WeekdayFromCivil)
{
    EXPECT_EQ(Moment::FromCivil(2020, 4, 27).weekday, 1);
    EXPECT_EQ(Moment::FromCivil(1970, 1, 1).weekday, 4);
    EXPECT_EQ(Moment::FromCivil(1969, 12, 28).weekday, 0);
    EXPECT_EQ(Moment::FromCivil(2026, 12, 10).weekday, 4);
}

} // namespace
