#pragma once
#include <cstdint>
#include <functional>
#include <limits>

#include "clock/CaptionStamper.h"
#include "clock/Moment.h"
#include "settings/Options.h"

class FileSystem;
class Sleeper;
class SoundPlayer;
class StartButton;
class TrayIconView;
class WindowSystem;

struct TickServices {
    WindowSystem& windows;
    FileSystem& files;
    SoundPlayer& sound;
    StartButton& startButton;
    TrayIconView& tray;
    Sleeper& sleeper;
};

// The once-a-second tick: launches, Start button, tray hint, stamp, alarm, early and
// hourly time signal, and the flashing title.
class ClockTick {
public:
    ClockTick(CaptionStamper& stamper, TickServices services, std::function<void()> runDueLaunches,
              bool startChoiceAvailable);

    void TimerDataTimer(const Options& options, const ClockReading& now);
    void UpdateStartButton(const Options& options, const Moment& now);

    bool StartChoiceAvailable() const { return startChoiceAvailable_; }
    int FlashCount() const { return MFlashC; }
    // Ends a running flash: the bell stops at once.
    void StopFlash();

private:
    bool IsSecondZeroOnce(const ClockReading& now);
    bool IsEarlySignalOnce(const Options& options, const ClockReading& now);
    bool GiveAlarm(const Options& options, const Moment& now, bool zero);
    void GiveEarlySignal(const Options& options);
    void GiveHourlySignal(const Options& options, const Moment& now);
    void SpeakHour(int hour);
    void StartFlash(int ticks);
    void Flash(const StampResult& stamp);

    CaptionStamper& stamper_;
    TickServices services_;
    std::function<void()> runDueLaunches_;
    bool startChoiceAvailable_;
    int MFlashC = 0;
    // Real (UTC) minutes whose second-00 work and early signal have been done.
    std::int64_t zeroDoneMinute_ = std::numeric_limits<std::int64_t>::min();
    std::int64_t earlyDoneMinute_ = std::numeric_limits<std::int64_t>::min();
};
