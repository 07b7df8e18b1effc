#include "clock/ClockTick.h"

#include "clock/ClockTexts.h"
#include "shell/TrayIconView.h"
#include "sysutil/Sleeper.h"
#include "sysutil/SoundPlayer.h"
#include "sysutil/StartButton.h"
#include "sysutil/WindowSystem.h"

namespace {

constexpr int kFlashBlankMilliseconds = 50;
constexpr int kBeforeNoonClip = 12;
constexpr int kAfterNoonClip = 13;

} // namespace

ClockTick::ClockTick(CaptionStamper& stamper, TickServices services, std::function<void()> runDueLaunches,
                     bool startChoiceAvailable)
    : stamper_(stamper), services_(services), runDueLaunches_(std::move(runDueLaunches)),
      startChoiceAvailable_(startChoiceAvailable)
{
}

void ClockTick::TimerDataTimer(const Options& options, const ClockReading& now)
{
    const Moment& local = now.local;
    const bool zero = IsSecondZeroOnce(now);
    if (zero && runDueLaunches_)
        runDueLaunches_();
    if (startChoiceAvailable_)
        UpdateStartButton(options, local);
    const std::u16string hint = ClockTexts::TrayHintText(local);
    if (hint != services_.tray.Hint())
        services_.tray.SetHint(hint);
    const StampResult stamp = stamper_.StampWindow(options, local);
    const bool alarmSounded = GiveAlarm(options, local, zero);
    if (!alarmSounded && IsEarlySignalOnce(options, now))
        GiveEarlySignal(options);
    if (zero && !alarmSounded && local.minute == 0 && options.Whistle)
        GiveHourlySignal(options, local);
    Flash(stamp);
}

void ClockTick::UpdateStartButton(const Options& options, const Moment& now)
{
    if (options.Start != 1 && options.Start != 2)
        return;
    const std::u16string text = ClockTexts::StartButtonText(options.Start, now);
    if (services_.startButton.Text() != text)
        services_.startButton.SetText(text);
}

void ClockTick::StopFlash()
{
    MFlashC = 0;
    services_.tray.SetCycleIcons(false);
}

bool ClockTick::IsSecondZeroOnce(const ClockReading& now)
{
    if (now.local.second != 0 || now.UtcMinute() == zeroDoneMinute_)
        return false;
    zeroDoneMinute_ = now.UtcMinute();
    return true;
}

bool ClockTick::IsEarlySignalOnce(const Options& options, const ClockReading& now)
{
    const bool due = now.local.minute == 59 && now.local.second == 60 - options.WhistleTime && options.Whistle &&
                     options.WhistleFront;
    if (!due || now.UtcMinute() == earlyDoneMinute_)
        return false;
    earlyDoneMinute_ = now.UtcMinute();
    return true;
}

bool ClockTick::GiveAlarm(const Options& options, const Moment& now, bool zero)
{
    if (!zero || !options.Alarm || now.hour != options.AlarmHour || now.minute != options.AlarmMin)
        return false;
    StartFlash(options.AlarmTime);
    if (!options.AlarmEnabled)
        return false;
    PlayWaveFile(services_.files, services_.sound, options.AlarmWave);
    return true;
}

void ClockTick::GiveEarlySignal(const Options& options)
{
    StartFlash(options.WhistleTime);
    if (options.WhistleEnabled)
        PlayWaveFile(services_.files, services_.sound, options.WhistleWave);
}

void ClockTick::GiveHourlySignal(const Options& options, const Moment& now)
{
    StartFlash(options.WhistleTime);
    if (options.WhistleVoiceEnabled)
        SpeakHour(now.hour);
    if (options.WhistleEnabled)
        PlayWaveFile(services_.files, services_.sound, options.WhistleWave);
}

// The half-day word and the hour, said twice.
void ClockTick::SpeakHour(int hour)
{
    const int halfDay = hour < 12 ? kBeforeNoonClip : kAfterNoonClip;
    const int clip = hour % 12;
    for (int repeat = 0; repeat < 2; ++repeat) {
        services_.sound.PlayVoiceClip(halfDay);
        services_.sound.PlayVoiceClip(clip);
    }
}

void ClockTick::StartFlash(int ticks)
{
    services_.tray.SetCycleIcons(true);
    MFlashC = ticks;
}

void ClockTick::Flash(const StampResult& stamp)
{
    if (MFlashC <= 0) {
        services_.tray.SetCycleIcons(false);
        services_.tray.ShowApplicationIcon();
        return;
    }
    // A window that does not take the blank is not made to wait for the rest.
    if (stamp.stamped && services_.windows.SetTitle(stamp.window, u"")) {
        services_.sleeper.Sleep(kFlashBlankMilliseconds);
        services_.windows.SetTitle(stamp.window, stamp.written);
    }
    --MFlashC;
}
