#pragma once
#include <windows.h>

#include <new>

// One window-procedure pattern for every window of the program: the object comes
// in with WM_NCCREATE and every later message goes to its HandleMessage.
class WindowBase {
public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase() = default;

    HWND Handle() const { return hwnd_; }
    // The object behind a window of a class registered here, or null.
    static WindowBase* FromHandle(HWND hwnd);
    template <class T>
    static T* FromHandle(HWND hwnd)
    {
        return dynamic_cast<T*>(FromHandle(hwnd));
    }

protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Registers the class once per process, with WindowProc as its procedure.
    static void RegisterClassOnce(const wchar_t* className, UINT style, HICON icon, HBRUSH background);
    HWND CreateWindowOf(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                        int width, int height, HWND parent, HMENU menu);

    // Registers a class whose windows others create by its name (a control of a form):
    // each window makes its own T at WM_NCCREATE and deletes it at WM_NCDESTROY, so the
    // object lives exactly as long as its window.
    template <class T>
    static void RegisterOwningClassOnce(const wchar_t* className, UINT style, LPCWSTR cursor)
    {
        RegisterClassWith(className, style, nullptr, nullptr, cursor, &OwningWindowProc<T>);
    }

    HWND hwnd_ = nullptr;

private:
    template <class T>
    static LRESULT CALLBACK OwningWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            WindowBase* self = new (std::nothrow) T;
            if (!self)
                return FALSE;
            self->ownedByWindow_ = true;
            Attach(hwnd, self);
        }
        return Dispatch(hwnd, message, wParam, lParam);
    }
    static void RegisterClassWith(const wchar_t* className, UINT style, HICON icon, HBRUSH background, LPCWSTR cursor,
                                  WNDPROC procedure);
    static void Attach(HWND hwnd, WindowBase* self);
    static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    bool ownedByWindow_ = false;
};
