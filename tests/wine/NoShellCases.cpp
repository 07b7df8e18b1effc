// The program on a desktop without a taskbar or Start button, whose notification area
// refuses the icon at first, as a shell that is not there or not ready does.
#include <windows.h>

#include <shellapi.h>

#include "DuvProcess.h"
#include "E2E.h"
#include "FakeTray.h"
#include "StampText.h"
#include "TestWindow.h"

namespace {

void FreshStart()
{
    KillAllDuvInstances();
    RemoveProfile();
    const HWND wineTray = FindWindowW(L"Shell_TrayWnd", nullptr);
    CHECK_MSG(FindWindowExW(wineTray, nullptr, L"Button", nullptr) == nullptr, "this desktop has a Start button");
}

void CheckFoundFirst(const FakeTray& tray)
{
    CHECK_MSG(FindWindowW(L"Shell_TrayWnd", nullptr) == tray.Handle(), "the stand-in tray is not the one found");
}

} // namespace

E2E_CASE(WithoutAShellTheProgramStampsAndEndsCleanly)
{
    FreshStart();
    FakeTray refusing(false);
    CheckFoundFirst(refusing);
    TestWindow window(L"E2E No Shell");
    CHECK(window.Foreground());
    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    Sleep(3000);
    CHECK(duv.Running());
    CHECK_MSG(refusing.Count(NIM_ADD) >= 2, "the icon was not asked for again");
    PostMessageW(form, WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    CHECK(duv.WaitForExit(10000, &exitCode));
    CHECK(exitCode == 0);
    CHECK_TEXT(window.Title(), L"E2E No Shell");
}

// A shell that comes late gets the icon by the program's own retries; one that comes
// back after losing its icons gets it again through "TaskbarCreated".
E2E_CASE(TaskbarCreatedBringsTheIconBack)
{
    FreshStart();
    {
        FakeTray lateShell(false);
        CheckFoundFirst(lateShell);
        DuvProcess duv;
        CHECK(duv.WaitForForm(10000) != nullptr);
        Sleep(2500);
        const int refused = lateShell.Count(NIM_ADD);
        lateShell.SetAccepting(true);
        CHECK_MSG(e2e::WaitUntil([&] { return lateShell.Count(NIM_ADD) > refused; }, 5000), "the icon was not added");
        const int added = lateShell.Count(NIM_ADD);
        Sleep(2500);
        CHECK_MSG(lateShell.Count(NIM_ADD) == added, "asked again although the icon is there");
        // The shell goes and comes back without the icons it had.
        {
            FakeTray gone(false);
        }
        FakeTray restartedShell(true);
        CheckFoundFirst(restartedShell);
        Sleep(2000);
        CHECK_MSG(restartedShell.Count(NIM_ADD) == 0, "added without being asked");
        PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
        CHECK_MSG(e2e::WaitUntil([&] { return restartedShell.Count(NIM_ADD) >= 1; }, 5000),
                  "TaskbarCreated brought nothing");
    }
}
