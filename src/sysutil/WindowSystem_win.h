#pragma once
#include "sysutil/WindowSystem.h"

// Windows of all programs through the platform; title writes are bounded in time.
class Win32WindowSystem : public WindowSystem {
public:
    WindowHandle Foreground() override;
    bool Exists(WindowHandle window) override;
    std::u16string Title(WindowHandle window) override;
    int TitleLength(WindowHandle window) override;
    bool SetTitle(WindowHandle window, const std::u16string& title) override;
    std::u16string ClassName(WindowHandle window) override;
    bool IsVisible(WindowHandle window) override;
    bool IsMinimized(WindowHandle window) override;
    bool IsMaximized(WindowHandle window) override;
    bool GetRect(WindowHandle window, ScreenRect& rect) override;
    bool PointOnMonitor(int x, int y) override;
    std::u16string ProgramPath(WindowHandle window) override;
};

// How long a title write may wait for a window of another program.
constexpr unsigned kTitleWriteTimeoutMs = 200;
