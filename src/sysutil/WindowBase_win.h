#pragma once
#include <windows.h>

// One window-procedure pattern for every window of the program: the object comes
// in with WM_NCCREATE and every later message goes to its HandleMessage.
class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND Handle() const { return hwnd_; }

protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Registers the class once per process, with WindowProc as its procedure.
    static void RegisterClassOnce(const wchar_t* className, UINT style, HICON icon, HBRUSH background);
    HWND CreateWindowOf(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                        int width, int height, HWND parent, HMENU menu);

    HWND hwnd_ = nullptr;
};
