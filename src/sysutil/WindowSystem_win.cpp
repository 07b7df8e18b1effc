#include "sysutil/WindowSystem_win.h"

#include <windows.h>

#include "sysutil/Mnx_win.h"
#include "sysutil/WideText_win.h"

namespace {

HWND H(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

} // namespace

WindowHandle Win32WindowSystem::Foreground()
{
    return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

bool Win32WindowSystem::Exists(WindowHandle window)
{
    return IsWindow(H(window)) != FALSE;
}

std::u16string Win32WindowSystem::Title(WindowHandle window)
{
    wchar_t buffer[kTitleBufferUnits] = {};
    return GetWindowTextW(H(window), buffer, static_cast<int>(kTitleBufferUnits)) > 0 ? U16(buffer) : std::u16string();
}

int Win32WindowSystem::TitleLength(WindowHandle window)
{
    return GetWindowTextLengthW(H(window));
}

bool Win32WindowSystem::SetTitle(WindowHandle window, const std::u16string& title)
{
    return SendTextBounded(H(window), title);
}

std::u16string Win32WindowSystem::ClassName(WindowHandle window)
{
    wchar_t buffer[kTitleBufferUnits] = {};
    return GetClassNameW(H(window), buffer, static_cast<int>(kTitleBufferUnits)) > 0 ? U16(buffer) : std::u16string();
}

bool Win32WindowSystem::IsVisible(WindowHandle window)
{
    return IsWindowVisible(H(window)) != FALSE;
}

bool Win32WindowSystem::IsMinimized(WindowHandle window)
{
    return IsIconic(H(window)) != FALSE;
}

bool Win32WindowSystem::IsMaximized(WindowHandle window)
{
    return IsZoomed(H(window)) != FALSE;
}

bool Win32WindowSystem::GetRect(WindowHandle window, ScreenRect& rect)
{
    RECT r{};
    if (!GetWindowRect(H(window), &r))
        return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

bool Win32WindowSystem::PointOnMonitor(int x, int y)
{
    return MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL) != nullptr;
}

std::u16string Win32WindowSystem::ProgramPath(WindowHandle window)
{
    return GetWindowProgramPath(H(window));
}
