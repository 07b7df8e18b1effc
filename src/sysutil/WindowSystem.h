#pragma once
#include <cstdint>
#include <string>

// An opaque handle of a top-level window of any program; 0 means none.
using WindowHandle = std::uintptr_t;

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Titles are read into 260 units including the terminating zero.
constexpr std::size_t kTitleBufferUnits = 260;

// The windows of all programs, as the clock needs to see and retitle them.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual WindowHandle Foreground() = 0;
    virtual bool Exists(WindowHandle window) = 0;
    // At most kTitleBufferUnits - 1 units; empty when unreadable.
    virtual std::u16string Title(WindowHandle window) = 0;
    virtual int TitleLength(WindowHandle window) = 0;
    // Bounded in time: false when the window did not take the text (gone or not answering).
    virtual bool SetTitle(WindowHandle window, const std::u16string& title) = 0;
    virtual std::u16string ClassName(WindowHandle window) = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    virtual bool IsMinimized(WindowHandle window) = 0;
    virtual bool IsMaximized(WindowHandle window) = 0;
    virtual bool GetRect(WindowHandle window, ScreenRect& rect) = 0;
    virtual bool PointOnMonitor(int x, int y) = 0;
    // Full path of the program file of the window's process; empty when unknown.
    virtual std::u16string ProgramPath(WindowHandle window) = 0;
};
