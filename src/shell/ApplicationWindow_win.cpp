#include "shell/ApplicationWindow_win.h"

namespace {

constexpr const wchar_t* kApplicationClass = L"TApplication";

} // namespace

bool ApplicationWindow::Create()
{
    RegisterClassOnce(kApplicationClass, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)), nullptr);
    if (!CreateWindowOf(kApplicationClass, kApplicationTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr))
        return false;
    // Its window menu never offers what a window of no size cannot do.
    const HMENU menu = GetSystemMenu(hwnd_, FALSE);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
    return true;
}

void ApplicationWindow::TrimWindowMenu()
{
    const HMENU menu = GetSystemMenu(hwnd_, FALSE);
    DeleteMenu(menu, 3, MF_BYPOSITION);
    DeleteMenu(menu, 2, MF_BYPOSITION);
    DrawMenuBar(hwnd_);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (const auto& hook : hooks_)
        hook.second(message, wParam, lParam);
    switch (message) {
    case WM_SYSCOMMAND:
        // Restoring the program restores its settings window, which then stands for it.
        if ((wParam & 0xFFF0) == SC_RESTORE && mainForm_ && IsWindowVisible(mainForm_)) {
            ShowWindow(hwnd_, SW_HIDE);
            if (IsIconic(mainForm_))
                ShowWindow(mainForm_, SW_RESTORE);
            SetForegroundWindow(mainForm_);
            return 0;
        }
        break;
    case WM_CLOSE: return 0;
    default: break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}
