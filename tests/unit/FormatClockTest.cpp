#include <gtest/gtest.h>

#include "clock/FormatClock.h"

namespace {

struct Case {
    const char16_t* pattern;
    Moment moment;
    const char16_t* expected;
};

const Moment kApril27 = Moment::FromCivil(2020, 4, 27, 15, 5, 9);

// Names each case by its pattern in the test listing.
void PrintTo(const Case& c, std::ostream* os)
{
    for (const char16_t* p = c.pattern; *p != 0; ++p)
        *os << (*p < 0x80 ? static_cast<char>(*p) : '?');
}

class FormatClockTest : public ::testing::TestWithParam<Case> {};

TEST_P(FormatClockTest, RendersPattern)
{
    const Case& c = GetParam();
    EXPECT_EQ(FormatClock(c.pattern, c.moment), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Specifiers, FormatClockTest,
    ::testing::Values(
        Case{u"", kApril27, u""}, Case{u"yyyy\"/\"mm\"/\"dd\"(\"aaa\")\"", kApril27, u"2020/04/27(月)"},
        Case{u"YYYY/M/D", kApril27, u"2020/4/27"}, Case{u"yy", Moment::FromCivil(2000, 1, 1), u"00"},
        Case{u"yy", Moment::FromCivil(2008, 1, 1), u"08"}, Case{u"y", Moment::FromCivil(2008, 1, 1), u"08"},
        Case{u"yyy", Moment::FromCivil(987, 1, 1), u"0987"},
        // mm after an h is the minute; quoted runs do not break the link.
        Case{u"hh\":\"mm", kApril27, u"15:05"}, Case{u"mm\"/\"dd", kApril27, u"04/27"}, Case{u"h:m", kApril27, u"15:5"},
        Case{u"hh\"時\"nn\"分\"ss\"秒\"", Moment::FromCivil(2020, 4, 27, 0, 30, 0), u"00時30分00秒"},
        Case{u"(AM/PM)hh\":\"nn\":\"ss", kApril27, u"(PM)03:05:09"},
        Case{u"(AM/PM)hh\":\"nn", Moment::FromCivil(2020, 4, 27, 0, 30, 0), u"(AM)12:30"},
        Case{u"(AM/PM)hh", Moment::FromCivil(2020, 4, 27, 12, 0, 0), u"(PM)12"},
        Case{u"(AM/PM)hh", Moment::FromCivil(2020, 4, 27, 13, 0, 0), u"(PM)01"},
        Case{u"(am/pm)hh", Moment::FromCivil(2020, 4, 27, 13, 0, 0), u"(pm)01"},
        // An AM/PM after the h switches the 12-hour clock on for it.
        Case{u"hh AM/PM", Moment::FromCivil(2020, 4, 27, 13, 0, 0), u"01 PM"},
        Case{u"hh\"AM/PM\"", Moment::FromCivil(2020, 4, 27, 13, 0, 0), u"13AM/PM"},
        Case{u"hh hh AM/PM", Moment::FromCivil(2020, 4, 27, 13, 0, 0), u"13 01 PM"},
        Case{u"ampm h\"時\"n\"分\"", Moment::FromCivil(2020, 4, 27, 0, 5, 0), u"午前 12時5分"},
        Case{u"ampm h\"時\"n\"分\"", kApril27, u"午後 3時5分"},
        Case{u"hh", Moment::FromCivil(2020, 4, 27, 0, 0, 0), u"00"},
        Case{u"ggge\"年\"", Moment::FromCivil(2019, 4, 30), u"平成31年"},
        Case{u"ggge", Moment::FromCivil(1989, 1, 7), u"昭和64"}, Case{u"gge", Moment::FromCivil(1989, 1, 8), u"平成1"},
        // A pattern that ends inside an opened quote copies the rest.
        Case{u"m\"月\"d\"日", Moment::FromCivil(2019, 5, 1), u"5月1日"}, Case{u"\"abc", kApril27, u"abc"},
        Case{u"x q g a aa [", kApril27, u"x q g a aa ["}));

} // namespace
