#pragma once
#include <windows.h>

// The notification area of the taskbar, seen as pixels, and the mouse on it: the
// program's icon is not a window another process can ask about.
struct TrayColours {
    int blue = 0; // the application icon's parts
    int red = 0;  // the stop icon's parts
    int gold = 0; // the bell
};

// Counts the icon colours at the right end of the taskbar.
TrayColours ReadTrayColours();
// Where the notification area's last icon sits, in screen coordinates.
POINT TrayIconPoint();
