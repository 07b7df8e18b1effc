// The floor for the figures of Duv.exe: a program that only reads the foreground
// window's title and writes it back with the time, once a second, on a timer re-armed
// for each whole second like Duv's.
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

HWND lastWindow = nullptr;
std::wstring lastOwnTitle;

void Arm(HWND hwnd)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    SetTimer(hwnd, 1, 1000 - now.wMilliseconds + 10, nullptr);
}

void Tick()
{
    const HWND window = GetForegroundWindow();
    wchar_t title[260] = {};
    GetWindowTextW(window, title, 260);
    std::wstring own = title;
    const std::size_t stamp = own.find(L" 【");
    if (window == lastWindow && stamp != std::wstring::npos)
        own = lastOwnTitle;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[64];
    swprintf(text, 64, L" 【%02d時%02d分%02d秒】", now.wHour, now.wMinute, now.wSecond);
    const std::wstring written = own + text;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(written.c_str()), SMTO_ABORTIFHUNG | SMTO_BLOCK,
                        200, &result);
    lastWindow = window;
    lastOwnTitle = own;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        Tick();
        Arm(hwnd);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"DuvReference";
    RegisterClassW(&wc);
    const HWND hwnd =
        CreateWindowW(L"DuvReference", L"Reference", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    Arm(hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
