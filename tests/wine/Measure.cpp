// DuvE2E.exe measure PROGRAM.EXE SECONDS: runs a stamping program beside a window of
// the driver and reports its start-up time, CPU time, memory, handles and how late
// each second's stamp came.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "DuvProcess.h"
#include "E2E.h"
#include "StampText.h"
#include "TestWindow.h"

namespace {

double CpuSeconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

struct Lags {
    std::vector<int> perSecond; // ms after each second's boundary that its stamp came
    int skipped = 0;
};

Lags StampLags(const std::vector<TestWindow::TitleEvent>& history)
{
    Lags lags;
    int previous = -1;
    for (const TestWindow::TitleEvent& event : history) {
        const int shown = StampedSecondOfDay(event.title);
        if (shown < 0 || shown == previous)
            continue;
        if (previous >= 0)
            lags.skipped += (shown - previous + 86400) % 86400 - 1;
        previous = shown;
        const SYSTEMTIME at = LocalTimeOf(event.when);
        lags.perSecond.push_back(((SecondOfDay(at) - shown + 86400) % 86400) * 1000 + at.wMilliseconds);
    }
    return lags;
}

} // namespace

int Measure(const std::wstring& program, int seconds)
{
    KillAllDuvInstances();
    TestWindow window(L"Bench Window");
    window.Foreground();
    const double start = e2e::NowMs();
    DuvProcess process(program);
    if (!process.Started() || !e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 20000, 2)) {
        e2e::Log("the program did not stamp the window");
        return 1;
    }
    const double firstStamp = e2e::NowMs() - start;
    Sleep(3000); // start-up work settles
    window.ClearHistory();
    const double cpuBefore = CpuSeconds(process.Process());
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double cpu = CpuSeconds(process.Process()) - cpuBefore;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.Process(), &memory, sizeof(memory));
    DWORD handles = 0;
    GetProcessHandleCount(process.Process(), &handles);

    Lags lags = StampLags(window.History());
    std::sort(lags.perSecond.begin(), lags.perSecond.end());
    const int median = lags.perSecond.empty() ? -1 : lags.perSecond[lags.perSecond.size() / 2];
    const int worst = lags.perSecond.empty() ? -1 : lags.perSecond.back();
    char line[512];
    snprintf(
        line, sizeof(line),
        "first_stamp_ms=%.0f cpu_seconds=%.3f cpu_seconds_per_hour=%.2f working_set_kb=%zu peak_working_set_kb=%zu "
        "handles=%lu "
        "seconds_stamped=%zu skipped_seconds=%d lag_median_ms=%d lag_worst_ms=%d",
        firstStamp, cpu, cpu * 3600.0 / seconds, static_cast<size_t>(memory.WorkingSetSize / 1024),
        static_cast<size_t>(memory.PeakWorkingSetSize / 1024), static_cast<unsigned long>(handles),
        lags.perSecond.size(), lags.skipped, median, worst);
    e2e::Log(line);
    return 0;
}
