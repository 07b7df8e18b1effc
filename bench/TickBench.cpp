// CPU time of one clock tick of the core against the in-memory desktop.
#include <benchmark/benchmark.h>

#include "clock/ClockTick.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeServices.h"

namespace {

ClockReading Second(int n)
{
    ClockReading reading;
    reading.local = Moment::FromCivil(2026, 12, 10, 15, (n / 60) % 60, n % 60);
    reading.utcSeconds = 1797000000 + n;
    return reading;
}

void BM_QuietTick(benchmark::State& state)
{
    FakeDesktop desktop;
    FakeFileSystem files;
    FakeSound sound;
    FakeStartButton startButton;
    FakeTray tray;
    FakeSleeper sleeper;
    CaptionStamper stamper(desktop, files);
    ClockTick tick(stamper, TickServices{desktop, files, sound, startButton, tray, sleeper}, [] {}, true);
    Options options;
    options.Start = 2;
    options.Disable = {u"a.exe", u"b.exe", u"c.exe", u"d.exe"};
    desktop.SetForeground(desktop.Add(u"Untitled - Notepad", u"C:\\Windows\\notepad.exe"));
    stamper.Reset(0);
    int n = 1;
    for (auto _ : state) {
        tick.TimerDataTimer(options, Second(n));
        n = n % 3599 + 1; // never second 00 of the hour
        desktop.writes.clear();
    }
}
BENCHMARK(BM_QuietTick);

void BM_TickWithProgramName(benchmark::State& state)
{
    FakeDesktop desktop;
    FakeFileSystem files;
    FakeSound sound;
    FakeStartButton startButton;
    FakeTray tray;
    FakeSleeper sleeper;
    CaptionStamper stamper(desktop, files);
    ClockTick tick(stamper, TickServices{desktop, files, sound, startButton, tray, sleeper}, [] {}, true);
    Options options;
    options.ExeName = true;
    options.EnabledLength = true;
    options.Length = u"20";
    desktop.SetForeground(desktop.Add(u"Document - Editor", u"C:\\PROGRA~1\\Editor\\EDIT.EXE"));
    stamper.Reset(0);
    int n = 1;
    for (auto _ : state) {
        tick.TimerDataTimer(options, Second(n));
        n = n % 3599 + 1;
        desktop.writes.clear();
    }
}
BENCHMARK(BM_TickWithProgramName);

} // namespace
