// Half an hour of ticking while the foreground moves every few seconds: the program's
// memory and handles stay where they were after the first minute.
#include <windows.h>

#include <psapi.h>

#include <memory>
#include <vector>

#include "DuvProcess.h"
#include "E2E.h"
#include "StampText.h"
#include "TestWindow.h"

namespace {

struct Usage {
    SIZE_T workingSet = 0;
    DWORD handles = 0;
};

Usage UsageOf(HANDLE process)
{
    Usage usage;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process, &memory, sizeof(memory));
    usage.workingSet = memory.WorkingSetSize;
    GetProcessHandleCount(process, &usage.handles);
    return usage;
}

} // namespace

E2E_CASE(SoakKeepsMemoryAndHandlesFlat)
{
    const int minutes = e2e::CaseArgument(30);
    KillAllDuvInstances();
    RemoveProfile();
    std::vector<std::unique_ptr<TestWindow>> windows;
    for (int i = 0; i < 4; ++i)
        windows.push_back(std::make_unique<TestWindow>(L"E2E Soak " + std::to_wstring(i), TestWindow::Kind::Normal,
                                                       60 + 90 * i, 60 + 60 * i));
    DuvProcess duv;
    CHECK(duv.WaitForForm(10000) != nullptr);
    Usage first{};
    const double start = e2e::NowMs();
    for (int step = 0; e2e::NowMs() - start < minutes * 60000.0; ++step) {
        windows[static_cast<std::size_t>(step) % windows.size()]->Foreground();
        Sleep(3000);
        if (first.workingSet == 0 && e2e::NowMs() - start >= 60000.0) {
            first = UsageOf(duv.Process());
            e2e::Log("after a minute: working set " + std::to_string(first.workingSet / 1024) + " KB, handles " +
                     std::to_string(first.handles));
        }
        CHECK(duv.Running());
    }
    const Usage last = UsageOf(duv.Process());
    e2e::Log("after " + std::to_string(minutes) + " minutes: working set " + std::to_string(last.workingSet / 1024) +
             " KB, handles " + std::to_string(last.handles));
    CHECK_MSG(last.workingSet <= first.workingSet + first.workingSet / 20 + 256 * 1024, "the working set grew");
    CHECK_MSG(last.handles <= first.handles + first.handles / 20 + 2, "handles leaked");
    for (const auto& window : windows)
        CHECK_MSG(window->Foreground() && e2e::WaitUntil([&] { return HasStamp(window->Title()); }, 3000),
                  "the clock stopped stamping");
}
