// DuvE2E.exe show-page N: opens the running program's settings window on page N
// (0 to 3) through its access keys and prints the window's rectangle.
#include <windows.h>

#include <cstdio>

#include "E2E.h"
#include "WindowDriver.h"

int ShowPage(int page)
{
    const HWND form = FindWindowW(L"TDuvMainForm", L"Duv");
    if (!form) {
        e2e::Log("no settings window");
        return 1;
    }
    if (!OpenSettingsWindow(form))
        return 1;
    const wchar_t keys[] = {L'P', L'T', L'L', L'U'};
    PressAltKey(form, keys[page & 3]);
    Sleep(700);
    RECT rect{};
    GetWindowRect(form, &rect);
    char line[96];
    snprintf(line, sizeof(line), "%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
             rect.bottom - rect.top);
    e2e::Log(line);
    return 0;
}
