#pragma once
#include "sysutil/WindowSystem.h"

// The rectangle of a window, unless it cannot be read or is the parking place of
// minimised windows (-32000, -32000).
bool WindowRectUsable(WindowSystem& windows, WindowHandle window, ScreenRect& rect);
bool GetWindowBounds(WindowSystem& windows, WindowHandle window, int& left, int& top, int& width, int& height);

// True when none of the four corners and the centre lies on a monitor.
bool IsRectOffScreen(WindowSystem& windows, int left, int top, int width, int height);

// An ordinary, visible, titled, not minimised program window (and, with onScreen,
// one that shows on a monitor unless it is maximised).
bool IsUserWindow(WindowSystem& windows, WindowHandle window, bool onScreen);
