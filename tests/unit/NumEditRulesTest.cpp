#include <gtest/gtest.h>

#include "controls/NumEditRules.h"

namespace {

using namespace NumEditRules;

NumEditFormat ThreeAndThree()
{
    NumEditFormat format;
    format.IntegerLength = 3;
    format.DecimalLength = 3;
    return format;
}

TEST(NumEditRules, FilterText)
{
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {{u"12a4", u"12"}, {u"-1,234", u"-123"}, {u"12.34567", u"12.345"}, {u"1234.5", u""},    {u"5-", u"5"},
                 {u" 7", u""},     {u"1.2.3", u"1.2"},   {u"1234", u"123"},        {u"-1234", u"-123"}, {u"", u""},
                 {u"-", u"-"},     {u".5", u".5"}};
    for (const auto& c : cases)
        EXPECT_EQ(FilterText(c.in, ThreeAndThree()), c.out) << ::testing::PrintToString(std::u16string(c.in));
    NumEditFormat noPoint = ThreeAndThree();
    noPoint.DecimalLength = 0;
    noPoint.Minus = false;
    EXPECT_EQ(FilterText(u"1.5", noPoint), u"1");
    EXPECT_EQ(FilterText(u"-5", noPoint), u"");
}

TEST(NumEditRules, StripLeadingZeros)
{
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {{u"007", u"7"},   {u"000", u"0"}, {u"00.5", u"0.5"}, {u".", u"0."},
                 {u"-007", u"-7"}, {u"-0", u"-0"}, {u"-", u"-"},      {u"", u""}};
    for (const auto& c : cases)
        EXPECT_EQ(StripLeadingZeros(c.in), c.out) << ::testing::PrintToString(std::u16string(c.in));
}

TEST(NumEditRules, FormatText)
{
    NumEditFormat comma;
    EXPECT_EQ(FormatText(u"-1234.5", comma), u"-1,234.5");
    EXPECT_EQ(FormatText(u"1234567", comma), u"1,234,567");
    EXPECT_EQ(FormatText(u"123", comma), u"123");
    EXPECT_EQ(FormatText(u"12.", comma), u"12.");
    NumEditFormat fixed;
    fixed.DecimalFixed = true;
    fixed.DecimalLength = 2;
    EXPECT_EQ(FormatText(u"12.5", fixed), u"12.50");
    EXPECT_EQ(FormatText(u"", fixed), u"0.00");
    EXPECT_EQ(FormatText(u"-", fixed), u"-0.00");
    EXPECT_EQ(FormatText(u"3.14159", fixed), u"3.14");
    fixed.DecimalLength = 0;
    EXPECT_EQ(FormatText(u"12", fixed), u"12.");
    NumEditFormat marks;
    marks.LeftMark = u"¥";
    marks.RightMark = u"円";
    EXPECT_EQ(FormatText(u"5", marks), u"¥5円");
    EXPECT_EQ(FormatText(u"", marks), u"");
}

TEST(NumEditRules, FullWidthFormsCountAsAscii)
{
    EXPECT_EQ(NarrowText(u"－１２．５，０"), u"-12.5,0");
    EXPECT_EQ(NarrowText(u"−3"), u"-3");
    EXPECT_EQ(NarrowText(u"a１"), u"a1");
}

} // namespace
