// CPU time of one clock tick of the core against the in-memory desktop.
#include <benchmark/benchmark.h>

#include "fakes/TickRig.h"

namespace {

ClockReading Second(int n)
{
    ClockReading reading;
    reading.local = Moment::FromCivil(2026, 12, 10, 15, (n / 60) % 60, n % 60);
    reading.utcSeconds = 1797000000 + n;
    return reading;
}

// Ticks second after second (never second 00 of the hour) on one foreground window.
void RunTicks(benchmark::State& state, const Options& options, const char16_t* title, const char16_t* program)
{
    TickRig rig([] {});
    rig.desktop.SetForeground(rig.desktop.Add(title, program));
    int n = 1;
    for (auto _ : state) {
        rig.tick.TimerDataTimer(options, Second(n));
        n = n % 3599 + 1;
        rig.desktop.writes.clear();
    }
}

void BM_QuietTick(benchmark::State& state)
{
    Options options;
    options.Start = 2;
    options.Disable = {u"a.exe", u"b.exe", u"c.exe", u"d.exe"};
    RunTicks(state, options, u"Untitled - Notepad", u"C:\\Windows\\notepad.exe");
}
BENCHMARK(BM_QuietTick);

void BM_TickWithProgramName(benchmark::State& state)
{
    Options options;
    options.ExeName = true;
    options.EnabledLength = true;
    options.Length = u"20";
    RunTicks(state, options, u"Document - Editor", u"C:\\PROGRA~1\\Editor\\EDIT.EXE");
}
BENCHMARK(BM_TickWithProgramName);

} // namespace
