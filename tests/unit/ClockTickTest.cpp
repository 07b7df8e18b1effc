#include <gtest/gtest.h>

#include <cmath>

#include "clock/TickSchedule.h"
#include "fakes/TickRig.h"

namespace {

// Local time is UTC + 9 hours in these tests.
ClockReading At(int hour, int minute, int second, int day = 27)
{
    ClockReading reading;
    reading.local = Moment::FromCivil(2020, 4, day, hour, minute, second);
    reading.utcSeconds = (reading.local.DayNumber() * 86400) + hour * 3600 + minute * 60 + second - 9 * 3600;
    return reading;
}

class ClockTickTest : public ::testing::Test, protected TickRig {
protected:
    ClockTickTest() : TickRig([this] { ++launchChecks; })
    {
        window = desktop.Add(u"Work");
        desktop.SetForeground(window);
        files.AddFile(u"C:\\Sounds\\alarm.wav");
        files.AddFile(u"C:\\Sounds\\whistle.wav");
        options.AlarmWave = u"C:\\Sounds\\alarm.wav";
        options.WhistleWave = u"C:\\Sounds\\whistle.wav";
    }

    void Tick(const ClockReading& reading) { tick.TimerDataTimer(options, reading); }

    // Runs ticks second by second and counts those on which the title was blanked.
    int TicksBlanked(int hour, int minute, int second, int count)
    {
        int blanked = 0;
        for (int i = 0; i < count; ++i) {
            const std::size_t before = desktop.writes.size();
            Tick(At(hour, minute, second + i));
            for (std::size_t k = before; k < desktop.writes.size(); ++k)
                blanked += desktop.writes[k].title.empty() ? 1 : 0;
        }
        return blanked;
    }

    Options options;
    WindowHandle window = 0;
    int launchChecks = 0;
};

TEST_F(ClockTickTest, QuietSecondStampsAndSetsHintOnlyWhenItChanges)
{
    Tick(At(15, 5, 9));
    Tick(At(15, 5, 10));
    EXPECT_EQ(desktop.TitleOf(window), u"Work 【令和2年4月27日(月曜日) 15時05分10秒】");
    EXPECT_EQ(tray.hint, u"2020年4月27日(月曜日) 午後 3時5分");
    EXPECT_EQ(tray.hintWrites, 1);
    EXPECT_EQ(tray.appIconSets, 2);
    EXPECT_EQ(launchChecks, 0);
    EXPECT_TRUE(sleeper.pauses.empty());
}

TEST_F(ClockTickTest, LaunchCheckAtSecondZeroOncePerRealMinute)
{
    Tick(At(15, 6, 0));
    Tick(At(15, 6, 0)); // a clock set back a little reads 00 again
    EXPECT_EQ(launchChecks, 1);
    Tick(At(15, 7, 0));
    EXPECT_EQ(launchChecks, 2);
}

TEST_F(ClockTickTest, LocalTimeChangeDoesNotSuppressALaterMinute)
{
    options.Whistle = true;
    Tick(At(15, 0, 0));
    // Same local reading, but a different real minute (the time zone moved by an hour).
    ClockReading shifted = At(15, 0, 0);
    shifted.utcSeconds += 3600;
    Tick(shifted);
    EXPECT_EQ(launchChecks, 2);
}

TEST_F(ClockTickTest, SkippedSecondZeroIsNotCaughtUp)
{
    options.Alarm = true;
    options.AlarmHour = 15;
    options.AlarmMin = 6;
    Tick(At(15, 5, 59));
    Tick(At(15, 6, 1));
    EXPECT_EQ(launchChecks, 0);
    EXPECT_EQ(tick.FlashCount(), 0);
}

TEST_F(ClockTickTest, AlarmWithSoundSuppressesTheHourlySignal)
{
    options.Alarm = options.AlarmEnabled = true;
    options.AlarmHour = 7;
    options.AlarmTime = 3;
    options.Whistle = options.WhistleEnabled = options.WhistleVoiceEnabled = true;
    EXPECT_EQ(TicksBlanked(7, 0, 0, 5), 3);
    EXPECT_EQ(sound.waves, std::vector<std::u16string>{u"C:\\Sounds\\alarm.wav"});
    EXPECT_TRUE(sound.clips.empty());
    EXPECT_EQ(sleeper.pauses, (std::vector<int>{50, 50, 50}));
}

TEST_F(ClockTickTest, AlarmWithoutSoundLetsTheHourlySignalWin)
{
    options.Alarm = true;
    options.AlarmHour = 7;
    options.AlarmTime = 3;
    options.Whistle = options.WhistleEnabled = options.WhistleVoiceEnabled = true;
    options.WhistleTime = 5;
    EXPECT_EQ(TicksBlanked(7, 0, 0, 8), 5);
    EXPECT_EQ(sound.clips, (std::vector<int>{12, 7, 12, 7}));
    EXPECT_EQ(sound.waves, std::vector<std::u16string>{u"C:\\Sounds\\whistle.wav"});
}

TEST_F(ClockTickTest, MissingAlarmSoundStillMarksTheTick)
{
    options.Alarm = options.AlarmEnabled = true;
    options.AlarmWave = u"C:\\Sounds\\gone.wav";
    options.Whistle = options.WhistleEnabled = true;
    Tick(At(0, 0, 0));
    EXPECT_TRUE(sound.waves.empty());
    EXPECT_EQ(tick.FlashCount(), options.AlarmTime - 1);
}

TEST_F(ClockTickTest, HourIsSpokenTwiceWithItsHalfDayWord)
{
    options.Whistle = options.WhistleVoiceEnabled = true;
    const struct {
        int hour;
        std::vector<int> clips;
    } cases[] = {{0, {12, 0, 12, 0}}, {11, {12, 11, 12, 11}}, {12, {13, 0, 13, 0}}, {23, {13, 11, 13, 11}}};
    for (const auto& c : cases) {
        sound.clips.clear();
        Tick(At(c.hour, 0, 0));
        EXPECT_EQ(sound.clips, c.clips) << "hour " << c.hour;
    }
    EXPECT_TRUE(sound.waves.empty());
}

TEST_F(ClockTickTest, EarlySignalAtTheLeadTimeThenAgainAtTheFullHour)
{
    options.Whistle = options.WhistleFront = options.WhistleEnabled = true;
    options.WhistleTime = 10;
    Tick(At(8, 59, 49));
    EXPECT_EQ(tick.FlashCount(), 0);
    Tick(At(8, 59, 50));
    EXPECT_TRUE(tray.cycling);
    EXPECT_EQ(tick.FlashCount(), 9);
    Tick(At(8, 59, 50)); // read twice in one real second: not given again
    EXPECT_EQ(tick.FlashCount(), 8);
    Tick(At(9, 0, 0));
    EXPECT_EQ(tick.FlashCount(), 9);
    EXPECT_EQ(sound.waves.size(), 2u);
    EXPECT_TRUE(sound.clips.empty());
}

TEST_F(ClockTickTest, EarlySignalOfSixtySecondsYieldsToAnAlarmWithSound)
{
    options.Whistle = options.WhistleFront = true;
    options.WhistleTime = 60;
    options.Alarm = options.AlarmEnabled = true;
    options.AlarmHour = 8;
    options.AlarmMin = 59;
    options.AlarmTime = 2;
    Tick(At(8, 59, 0));
    EXPECT_EQ(tick.FlashCount(), 1);
    options.AlarmMin = 58;
    Tick(At(9, 59, 0));
    EXPECT_EQ(tick.FlashCount(), 59);
}

TEST_F(ClockTickTest, FlashCountsDownWhileNothingIsStampedAndBellStopsAfterIt)
{
    options.Alarm = true;
    options.AlarmTime = 2;
    desktop.At(window).minimized = true;
    Tick(At(0, 0, 0));
    EXPECT_TRUE(tray.cycling);
    Tick(At(0, 0, 1));
    EXPECT_TRUE(tray.cycling);
    EXPECT_EQ(tick.FlashCount(), 0);
    Tick(At(0, 0, 2));
    EXPECT_FALSE(tray.cycling);
    EXPECT_TRUE(sleeper.pauses.empty());
}

TEST_F(ClockTickTest, StartButtonWrittenOncePerMinute)
{
    options.Start = 2;
    for (int s = 0; s < 60; ++s)
        Tick(At(15, 5, s));
    EXPECT_EQ(startButton.text, u"15:05");
    EXPECT_EQ(startButton.writes, 1);
    Tick(At(15, 6, 0));
    EXPECT_EQ(startButton.writes, 2);
    options.Start = 1;
    Tick(At(15, 6, 1));
    EXPECT_EQ(startButton.text, u"04/27");
    options.Start = 0;
    Tick(At(15, 6, 2));
    EXPECT_EQ(startButton.writes, 3);
}

TEST_F(ClockTickTest, StartButtonLeftAloneWhereTheChoiceIsUnavailable)
{
    ClockTick modern(stamper, TickServices{desktop, files, sound, startButton, tray, sleeper}, {}, false);
    options.Start = 2;
    modern.TimerDataTimer(options, At(15, 5, 0));
    EXPECT_EQ(startButton.writes, 0);
}

TEST_F(ClockTickTest, StoppingTheFlashEndsTheBell)
{
    options.Alarm = true;
    Tick(At(0, 0, 0));
    tick.StopFlash();
    EXPECT_EQ(tick.FlashCount(), 0);
    EXPECT_FALSE(tray.cycling);
}

TEST_F(ClockTickTest, FlashOfAHungWindowDoesNotWait)
{
    options.Alarm = true;
    Tick(At(0, 0, 0));
    desktop.At(window).answers = false;
    Tick(At(0, 0, 1));
    EXPECT_EQ(sleeper.pauses.size(), 1u);
}

// The platform's window timers fire on its clock ticks, late by up to one tick
// (15.625 ms on Windows) and sometimes a little early; re-arming keeps every
// second within 30 ms of its boundary all the same.
TEST(TickSchedule, KeepsEverySecondJustAfterItsBoundary)
{
    constexpr double kResolution = 15.625;
    double now = 757.0; // the first tick fires at an arbitrary phase
    long lastSecond = -1;
    for (int i = 0; i < 10000; ++i) {
        const long second = static_cast<long>(now / 1000.0);
        if (i > 0) {
            EXPECT_EQ(second, lastSecond + 1) << "tick " << i;
            EXPECT_LT(now - second * 1000.0, 30.0) << "tick " << i;
        }
        lastSecond = second;
        const int ms = static_cast<int>(now - second * 1000.0);
        const double due = now + TickSchedule::DelayToNextTick(ms);
        const double jitter = i % 7 == 0 ? 1.5 : (i % 11 == 0 ? -5.0 : 0.0);
        now = std::ceil(due / kResolution) * kResolution + jitter;
    }
}

} // namespace
