// The tick driven through changes of the system clock: set back, jumped forward,
// a new local time and a resume after hours of sleep.
#include <gtest/gtest.h>

#include "fakes/TickRig.h"

namespace {

constexpr std::int64_t kBase = 1797000000; // a real time, 2026-12-10 morning UTC

struct Reading {
    int hour, minute, second;
    std::int64_t utcOffsetFromBase; // seconds after kBase that the real clock shows
};

ClockReading At(const Reading& r)
{
    ClockReading reading;
    reading.local = Moment::FromCivil(2026, 12, 10, r.hour, r.minute, r.second);
    reading.utcSeconds = kBase + r.utcOffsetFromBase;
    return reading;
}

class ClockChangeTest : public ::testing::Test, protected TickRig {
protected:
    ClockChangeTest() : TickRig([this] { ++launchChecks; })
    {
        window = desktop.Add(u"Work");
        desktop.SetForeground(window);
        options.Whistle = options.WhistleVoiceEnabled = true;
        options.Date = 8;
        options.Time = 2;
    }
    void Run(std::initializer_list<Reading> readings)
    {
        for (const Reading& r : readings)
            tick.TimerDataTimer(options, At(r));
    }
    int HourlySignals() const { return static_cast<int>(sound.clips.size()) / 4; }

    Options options;
    WindowHandle window = 0;
    int launchChecks = 0;
};

TEST_F(ClockChangeTest, ClockSetBackALittleDoesNotRepeatTheFullHour)
{
    Run({{10, 0, 0, 0}, {10, 0, 1, 1}, {9, 59, 58, -2}, {9, 59, 59, -1}, {10, 0, 0, 0}, {10, 0, 1, 1}});
    EXPECT_EQ(launchChecks, 1);
    EXPECT_EQ(HourlySignals(), 1);
    EXPECT_EQ(desktop.TitleOf(window), u"Work 【10:00:01】");
}

TEST_F(ClockChangeTest, JumpForwardCatchesNothingUp)
{
    Run({{10, 59, 58, 0}, {13, 7, 42, 2 * 3600 + 8 * 60 - 16}});
    EXPECT_EQ(launchChecks, 0);
    EXPECT_EQ(HourlySignals(), 0);
    EXPECT_EQ(desktop.TitleOf(window), u"Work 【13:07:42】") << "right on the first tick after the jump";
}

TEST_F(ClockChangeTest, ResumeAfterHoursOfSleepCatchesNothingUp)
{
    Run({{1, 30, 0, 0}, {6, 12, 5, 4 * 3600 + 42 * 60 + 5}, {6, 12, 6, 4 * 3600 + 42 * 60 + 6}});
    EXPECT_EQ(launchChecks, 1) << "only the minute before the sleep";
    EXPECT_EQ(HourlySignals(), 0);
    EXPECT_EQ(desktop.TitleOf(window), u"Work 【06:12:06】");
}

TEST_F(ClockChangeTest, NewLocalTimeIsANewMinuteOfItsOwn)
{
    // Summer time ends: 02:00 local becomes 01:00 again, an hour of real time later.
    Run({{1, 0, 0, 0}, {1, 59, 59, 3599}, {1, 0, 0, 3600}, {1, 0, 0, 3600}});
    EXPECT_EQ(launchChecks, 2);
    EXPECT_EQ(HourlySignals(), 2);
    // A time zone moved forward reads a later local hour within the same real minute.
    Run({{3, 0, 0, 3600}});
    EXPECT_EQ(HourlySignals(), 2) << "the same real minute is not given twice";
    EXPECT_EQ(desktop.TitleOf(window), u"Work 【03:00:00】");
}

} // namespace
