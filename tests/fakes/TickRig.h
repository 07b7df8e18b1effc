#pragma once
#include <functional>

#include "clock/ClockTick.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"

// The clock tick with every platform part replaced by an in-memory fake.
struct TickRig {
    explicit TickRig(std::function<void()> runDueLaunches = {}, bool startChoiceAvailable = true)
        : stamper(desktop, files), tick(stamper, TickServices{desktop, files, sound, startButton, tray, sleeper},
                                        std::move(runDueLaunches), startChoiceAvailable)
    {
        stamper.Reset(0);
    }

    FakeDesktop desktop;
    FakeFileSystem files;
    FakeSound sound;
    FakeStartButton startButton;
    FakeTray tray;
    FakeSleeper sleeper;
    CaptionStamper stamper;
    ClockTick tick;
};
