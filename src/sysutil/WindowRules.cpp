#include "sysutil/WindowRules.h"

namespace {

constexpr int kMinimizedPosition = -32000;

} // namespace

bool WindowRectUsable(WindowSystem& windows, WindowHandle window, ScreenRect& rect)
{
    if (!windows.GetRect(window, rect))
        return false;
    return !(rect.left == kMinimizedPosition && rect.top == kMinimizedPosition);
}

bool GetWindowBounds(WindowSystem& windows, WindowHandle window, int& left, int& top, int& width, int& height)
{
    ScreenRect rect;
    if (!WindowRectUsable(windows, window, rect))
        return false;
    left = rect.left;
    top = rect.top;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    return true;
}

bool IsRectOffScreen(WindowSystem& windows, int left, int top, int width, int height)
{
    const int points[5][2] = {
        {left, top},          {left + width, top + height},         {left + width, top},
        {left, top + height}, {left + width / 2, top + height / 2},
    };
    for (const auto& point : points) {
        if (windows.PointOnMonitor(point[0], point[1]))
            return false;
    }
    return true;
}

bool IsUserWindow(WindowSystem& windows, WindowHandle window, bool onScreen)
{
    const std::u16string title = windows.Title(window);
    if (window == 0 || title == u"Program Manager" || !windows.IsVisible(window) || windows.TitleLength(window) <= 0 ||
        windows.IsMinimized(window))
        return false;
    if (!onScreen || windows.IsMaximized(window))
        return true;
    int left = 0, top = 0, width = 0, height = 0;
    return GetWindowBounds(windows, window, left, top, width, height) &&
           !IsRectOffScreen(windows, left, top, width, height);
}
