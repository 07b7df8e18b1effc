#include "sysutil/WindowBase_win.h"

namespace {

// The property that marks a window whose user data is its WindowBase.
constexpr const wchar_t* kObjectProperty = L"Duv.WindowBase";

} // namespace

LRESULT CALLBACK WindowBase::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        Attach(hwnd, static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    return Dispatch(hwnd, message, wParam, lParam);
}

void WindowBase::Attach(HWND hwnd, WindowBase* self)
{
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetPropW(hwnd, kObjectProperty, reinterpret_cast<HANDLE>(self));
}

LRESULT WindowBase::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        RemovePropW(hwnd, kObjectProperty);
        self->hwnd_ = nullptr;
        if (self->ownedByWindow_)
            delete self;
    }
    return result;
}

WindowBase* WindowBase::FromHandle(HWND hwnd)
{
    return reinterpret_cast<WindowBase*>(GetPropW(hwnd, kObjectProperty));
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void WindowBase::RegisterClassOnce(const wchar_t* className, UINT style, HICON icon, HBRUSH background)
{
    RegisterClassWith(className, style, icon, background, IDC_ARROW, WindowProc);
}

void WindowBase::RegisterClassWith(const wchar_t* className, UINT style, HICON icon, HBRUSH background, LPCWSTR cursor,
                                   WNDPROC procedure)
{
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = style;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, cursor);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

HWND WindowBase::CreateWindowOf(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                                int y, int width, int height, HWND parent, HMENU menu)
{
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                           GetModuleHandleW(nullptr), this);
}
