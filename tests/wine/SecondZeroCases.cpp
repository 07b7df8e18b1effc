// What happens at second 00: scheduled scripts are opened and the alarm blinks.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "StampText.h"
#include "TestWindow.h"
#include "TrayArea.h"

namespace {

const wchar_t* const kWeekdayLetters[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

// The next whole minute that leaves the program time to start first.
SYSTEMTIME ComingMinute()
{
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
    const unsigned long long minute = 600000000ULL;
    ticks.QuadPart = (ticks.QuadPart + 100000000ULL) / minute * minute + minute; // 10 s ahead, then the next minute
    const FILETIME target{ticks.LowPart, ticks.HighPart};
    return LocalTimeOf(target);
}

// Sleeps until the given local minute has run for some seconds.
void WaitPast(const SYSTEMTIME& minute, int seconds)
{
    e2e::WaitUntil(
        [&] {
            const SYSTEMTIME now = LocalNow();
            const int nowMinutes = now.wHour * 60 + now.wMinute;
            const int targetMinutes = minute.wHour * 60 + minute.wMinute;
            return nowMinutes > targetMinutes || (nowMinutes == targetMinutes && now.wSecond >= seconds) ||
                   nowMinutes + 1380 < targetMinutes;
        },
        120000, 100);
}

std::wstring LaunchIni(const std::wstring& script, const SYSTEMTIME& at)
{
    const std::wstring hour = std::to_wstring(at.wHour), minute = std::to_wstring(at.wMinute);
    return L"[Qel]\r\nCount=1\r\nFile0=" + script + L"\r\nHour0=" + hour + L"\r\nMin0=" + minute + L"\r\nDay0= " +
           kWeekdayLetters[at.wDayOfWeek] + L"\r\nEnabled0=1\r\nFile1=" + script + L"\r\nHour1=" + hour + L"\r\nMin1=" +
           minute + L"\r\nEnabled1=0\r\n";
}

int Count(const std::wstring& text, const std::wstring& part)
{
    int count = 0;
    for (std::size_t p = text.find(part); p != std::wstring::npos; p = text.find(part, p + 1))
        ++count;
    return count;
}

void RunLaunchCase(const wchar_t* name, bool withQel)
{
    KillAllDuvInstances();
    RemoveProfile();
    const std::wstring folder = PrepareProgramFolder(name, withQel);
    const std::wstring recorder = folder + L"Recorder.exe";
    CHECK(CopyFileW(FakeQelPath().c_str(), recorder.c_str(), FALSE));
    RegisterQelFileType(recorder);
    const std::wstring script = folder + L"job.qel";
    CHECK(WriteFileBytes(script, "script"));
    const SYSTEMTIME at = ComingMinute();
    WriteIni(LaunchIni(script, at));
    DuvProcess duv(folder + L"Duv.exe");
    CHECK(duv.WaitForForm(10000) != nullptr);
    WaitPast(at, 4);
    const std::wstring calls = QelCalls(folder);
    e2e::Log("calls: " + e2e::Utf8(calls));
    if (!withQel) {
        CHECK_MSG(calls.empty(), e2e::Utf8(calls));
        return;
    }
    CHECK_MSG(Count(calls, L"--opened") == 1, e2e::Utf8(calls));
    CHECK_MSG(calls.find(L"job.qel") != std::wstring::npos, e2e::Utf8(calls));
    wchar_t expected[16];
    swprintf(expected, 16, L" %02d:%02d:0", at.wHour, at.wMinute);
    CHECK_MSG(calls.find(expected) != std::wstring::npos, "opened at " << e2e::Utf8(calls));
}

} // namespace

E2E_CASE(DueScriptOpensOnceAtSecondZero)
{
    RunLaunchCase(L"DueScript", true);
}

E2E_CASE(NoScriptOpensWithoutQel)
{
    RunLaunchCase(L"NoQel", false);
}

E2E_CASE(AlarmBlinksTheTitleAtItsMinute)
{
    KillAllDuvInstances();
    RemoveProfile();
    const SYSTEMTIME at = ComingMinute();
    WriteIni(L"[Disp]\r\nAlarm=1\r\nAlarmTime=3\r\nAlarmHour=" + std::to_wstring(at.wHour) + L"\r\nAlarmMin=" +
             std::to_wstring(at.wMinute) + L"\r\n");
    TestWindow window(L"E2E Alarm");
    CHECK(window.Foreground());
    DuvProcess duv;
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    WaitPast(at, 0);
    // The bell swings in the notification area while the title blinks, and the clock comes back after.
    CHECK_MSG(e2e::WaitUntil([] { return ReadTrayColours().gold > 10; }, 3000, 50), "no bell");
    CHECK_MSG(e2e::WaitUntil([] { return ReadTrayColours().gold == 0 && ReadTrayColours().blue > 10; }, 8000, 100),
              "the bell stayed");
    WaitPast(at, 6);
    int blanks = 0;
    for (const TestWindow::TitleEvent& event : window.History()) {
        if (!event.title.empty())
            continue;
        ++blanks;
        const SYSTEMTIME when = LocalTimeOf(event.when);
        CHECK_MSG(when.wHour == at.wHour && when.wMinute == at.wMinute && when.wSecond <= 3,
                  "blank at " << when.wMinute << ":" << when.wSecond);
    }
    CHECK_MSG(blanks == 3, blanks << " blinks");
    CHECK(HasStamp(window.Title()));
}
