#include "TestWindow.h"

#include "E2E.h"

namespace {

constexpr const wchar_t* kWindowClass = L"DuvE2EWindow";
constexpr UINT kHangMessage = WM_APP + 1;
constexpr UINT kOwnTitleMessage = WM_APP + 2;
constexpr UINT kRetitleMessage = WM_APP + 3;
constexpr UINT_PTR kRetitleTimer = 7;

TestWindow* Owner(HWND hwnd)
{
    return reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// A dialog template in memory: a plain "#32770" window with a caption.
struct alignas(4) DialogTemplate {
    DLGTEMPLATE header;
    WORD menu = 0, windowClass = 0, title = 0;
};

} // namespace

TestWindow::TestWindow(const std::wstring& title, Kind kind, int x, int y)
    : initialTitle_(title), kind_(kind), x_(x), y_(y)
{
    created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    WaitForSingleObject(created_, 10000);
}

TestWindow::~TestWindow()
{
    if (hwnd_)
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(created_);
}

DWORD WINAPI TestWindow::ThreadMain(void* self)
{
    auto* window = static_cast<TestWindow*>(self);
    window->CreateOnThread();
    SetEvent(window->created_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

void TestWindow::CreateOnThread()
{
    if (kind_ == Kind::Dialog) {
        DialogTemplate dialog{};
        dialog.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
        dialog.header.cx = 200;
        dialog.header.cy = 80;
        hwnd_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &dialog.header, nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
        SetWindowPos(hwnd_, nullptr, x_, y_, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowTextW(hwnd_, initialTitle_.c_str());
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, kWindowClass, initialTitle_.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, x_, y_, 420, 240,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

LRESULT CALLBACK TestWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    TestWindow* self = Owner(hwnd);
    switch (message) {
    case WM_SETTEXT:
        if (self)
            self->Record(reinterpret_cast<const wchar_t*>(lParam));
        break;
    case kHangMessage: Sleep(static_cast<DWORD>(wParam)); return 0;
    case kRetitleMessage: SetTimer(hwnd, kRetitleTimer, static_cast<UINT>(wParam), nullptr); return 0;
    case WM_TIMER:
        if (wParam == kRetitleTimer) {
            static unsigned counter = 0;
            const std::wstring title = L"E2E Busy " + std::to_wstring(++counter);
            SetWindowTextW(hwnd, title.c_str());
        }
        return 0;
    case kOwnTitleMessage:
        SetWindowTextW(hwnd, reinterpret_cast<const wchar_t*>(lParam));
        delete[] reinterpret_cast<wchar_t*>(lParam);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK TestWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam); return TRUE;
    case WM_SETTEXT:
        if (TestWindow* self = Owner(hwnd))
            self->Record(reinterpret_cast<const wchar_t*>(lParam));
        return FALSE;
    case kHangMessage: Sleep(static_cast<DWORD>(wParam)); return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return TRUE;
    default: return FALSE;
    }
}

void TestWindow::Record(const wchar_t* title)
{
    TitleEvent event;
    GetSystemTimeAsFileTime(&event.when);
    event.title = title ? title : L"";
    std::lock_guard<std::mutex> guard(lock_);
    history_.push_back(std::move(event));
}

std::wstring TestWindow::Title() const
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(hwnd_, buffer, 1024);
    return buffer;
}

std::vector<TestWindow::TitleEvent> TestWindow::History() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return history_;
}

void TestWindow::ClearHistory()
{
    std::lock_guard<std::mutex> guard(lock_);
    history_.clear();
}

bool TestWindow::Foreground() const
{
    return e2e::WaitUntil(
        [&] {
            if (GetForegroundWindow() == hwnd_)
                return true;
            SetForegroundWindow(hwnd_);
            return GetForegroundWindow() == hwnd_;
        },
        5000, 50);
}

void TestWindow::Hang(DWORD milliseconds) const
{
    PostMessageW(hwnd_, kHangMessage, milliseconds, 0);
}

void TestWindow::StartRetitling(UINT intervalMs) const
{
    PostMessageW(hwnd_, kRetitleMessage, intervalMs, 0);
}

void TestWindow::SetOwnTitle(const std::wstring& title) const
{
    auto* copy = new wchar_t[title.size() + 1];
    wcscpy(copy, title.c_str());
    PostMessageW(hwnd_, kOwnTitleMessage, 0, reinterpret_cast<LPARAM>(copy));
}

SYSTEMTIME LocalTimeOf(const FILETIME& when)
{
    FILETIME local{};
    FileTimeToLocalFileTime(&when, &local);
    SYSTEMTIME st{};
    FileTimeToSystemTime(&local, &st);
    return st;
}
