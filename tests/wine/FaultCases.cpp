// Windows that vanish, retitle themselves or hang while the clock runs.
#include <memory>
#include <random>
#include <vector>

#include "DuvProcess.h"
#include "E2E.h"
#include "StampText.h"
#include "TestWindow.h"

namespace {

void FreshStart()
{
    KillAllDuvInstances();
    RemoveProfile();
}

// The longest time between two stamps a window was given, over its history.
double LongestGapMs(const std::vector<TestWindow::TitleEvent>& history)
{
    double longest = 0, previous = -1;
    for (const TestWindow::TitleEvent& event : history) {
        if (!HasStamp(event.title))
            continue;
        const double at = static_cast<double>((static_cast<unsigned long long>(event.when.dwHighDateTime) << 32) |
                                              event.when.dwLowDateTime) /
                          10000.0;
        if (previous >= 0 && at - previous > longest)
            longest = at - previous;
        previous = at;
    }
    return longest;
}

} // namespace

E2E_CASE(WindowStormLeavesNoStampBehind)
{
    FreshStart();
    DuvProcess duv;
    CHECK(duv.WaitForForm(10000) != nullptr);
    TestWindow busy(L"E2E Busy", TestWindow::Kind::Normal, 200, 200);
    busy.StartRetitling(5);
    TestWindow hung(L"E2E Hung", TestWindow::Kind::Normal, 260, 260);
    std::mt19937 random(20261210);
    std::vector<std::unique_ptr<TestWindow>> kept;
    // Hundreds of windows come and go, many of them gone between a tick's read and write.
    for (int i = 0; i < 300; ++i) {
        auto window = std::make_unique<TestWindow>(L"E2E Storm " + std::to_wstring(i), TestWindow::Kind::Normal,
                                                   40 + i % 400, 40 + i % 300);
        window->Foreground();
        Sleep(random() % 40);
        if (i % 50 == 0) {
            busy.Foreground();
            Sleep(1200);
        }
        if (i % 30 == 0)
            kept.push_back(std::move(window)); // some stay, and must keep no stamp
    }
    CHECK(duv.Running());
    hung.Foreground();
    Sleep(1500);
    hung.Hang(3000);
    Sleep(300);
    TestWindow last(L"E2E Last", TestWindow::Kind::Normal, 320, 320);
    CHECK(last.Foreground());
    const double switched = e2e::NowMs();
    CHECK(e2e::WaitUntil([&] { return HasStamp(last.Title()); }, 5000));
    CHECK_MSG(e2e::NowMs() - switched < 2500, "the hung window held the clock up");
    Sleep(6000);
    const double gap = LongestGapMs(last.History());
    e2e::Log("longest gap between stamps of the last window: " + std::to_string(static_cast<int>(gap)) + " ms");
    CHECK_MSG(gap < 1500, "the clock stalled for " << gap << " ms");
    CHECK(duv.Running());
    for (const auto& window : kept)
        CHECK_MSG(!HasStamp(window->Title()), e2e::Utf8(window->Title()));
    CHECK_MSG(!HasStamp(busy.Title()), e2e::Utf8(busy.Title()));
    CHECK_MSG(e2e::WaitUntil([&] { return hung.Title() == L"E2E Hung"; }, 5000), e2e::Utf8(hung.Title()));
}
