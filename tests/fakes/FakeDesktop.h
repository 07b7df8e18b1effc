#pragma once
#include <map>
#include <string>
#include <vector>

#include "sysutil/WindowSystem.h"

// An in-memory desktop: windows of made-up programs on a set of monitors.
class FakeDesktop : public WindowSystem {
public:
    struct Window {
        std::u16string title;
        std::u16string className = u"FakeWindowClass";
        std::u16string programPath = u"C:\\Apps\\app.exe";
        bool visible = true;
        bool minimized = false;
        bool maximized = false;
        bool rectReadable = true;
        bool answers = true;       // a hung window takes no title in time...
        bool deliversLate = false; // ...but may still get it once it answers again
        std::vector<std::u16string> queued;
        ScreenRect rect{100, 100, 500, 400};
    };

    WindowHandle Add(const std::u16string& title, const std::u16string& programPath = u"C:\\Apps\\app.exe")
    {
        const WindowHandle handle = nextHandle_++;
        windows_[handle].title = title;
        windows_[handle].programPath = programPath;
        return handle;
    }
    Window& At(WindowHandle handle) { return windows_.at(handle); }
    void Remove(WindowHandle handle) { windows_.erase(handle); }
    void SetForeground(WindowHandle handle) { foreground_ = handle; }
    void AddMonitor(ScreenRect rect) { monitors_.push_back(rect); }
    const std::u16string& TitleOf(WindowHandle handle) { return windows_.at(handle).title; }

    struct TitleWrite {
        WindowHandle window;
        std::u16string title;
    };
    std::vector<TitleWrite> writes;
    int programPathQueries = 0;

    WindowHandle Foreground() override { return foreground_; }
    bool Exists(WindowHandle window) override { return Find(window) != nullptr; }
    std::u16string Title(WindowHandle window) override
    {
        const Window* w = Find(window);
        return w ? w->title.substr(0, kTitleBufferUnits - 1) : std::u16string();
    }
    int TitleLength(WindowHandle window) override
    {
        const Window* w = Find(window);
        return w ? static_cast<int>(w->title.size()) : 0;
    }
    bool SetTitle(WindowHandle window, const std::u16string& title) override
    {
        writes.push_back({window, title});
        Window* w = Find(window);
        if (!w)
            return false;
        if (!w->answers) {
            if (w->deliversLate)
                w->queued.push_back(title);
            return false;
        }
        w->title = title;
        return true;
    }
    // A hung window answers again and handles what was sent to it meanwhile.
    void Wake(WindowHandle handle)
    {
        Window& w = windows_.at(handle);
        w.answers = true;
        for (const std::u16string& title : w.queued)
            w.title = title;
        w.queued.clear();
    }
    std::u16string ClassName(WindowHandle window) override
    {
        const Window* w = Find(window);
        return w ? w->className : std::u16string();
    }
    bool IsVisible(WindowHandle window) override { return Find(window) && Find(window)->visible; }
    bool IsMinimized(WindowHandle window) override { return Find(window) && Find(window)->minimized; }
    bool IsMaximized(WindowHandle window) override { return Find(window) && Find(window)->maximized; }
    bool GetRect(WindowHandle window, ScreenRect& rect) override
    {
        const Window* w = Find(window);
        if (!w || !w->rectReadable)
            return false;
        rect = w->minimized ? ScreenRect{-32000, -32000, -31840, -31972} : w->rect;
        return true;
    }
    bool PointOnMonitor(int x, int y) override
    {
        for (const ScreenRect& m : monitors_) {
            if (x >= m.left && x < m.right && y >= m.top && y < m.bottom)
                return true;
        }
        return false;
    }
    std::u16string ProgramPath(WindowHandle window) override
    {
        ++programPathQueries;
        const Window* w = Find(window);
        return w ? w->programPath : std::u16string();
    }

private:
    Window* Find(WindowHandle handle)
    {
        const auto it = windows_.find(handle);
        return it == windows_.end() ? nullptr : &it->second;
    }

    std::map<WindowHandle, Window> windows_;
    std::vector<ScreenRect> monitors_{{0, 0, 1024, 768}};
    WindowHandle foreground_ = 0;
    WindowHandle nextHandle_ = 0x1000;
};
