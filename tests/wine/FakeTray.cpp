#include "FakeTray.h"

#include <algorithm>

namespace {

constexpr DWORD kWindowsTraySignature = 0x34753423;

// Wine's shell names the request in dwData; Windows's puts a signature and then the
// request at the start of the data.
DWORD RequestOf(const COPYDATASTRUCT& data)
{
    if (data.dwData == 1 && data.cbData >= 8 && *static_cast<const DWORD*>(data.lpData) == kWindowsTraySignature)
        return static_cast<const DWORD*>(data.lpData)[1];
    return static_cast<DWORD>(data.dwData);
}

} // namespace

FakeTray::FakeTray(bool accepting) : accepting_(accepting)
{
    created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, ThreadMain, this, 0, nullptr);
    WaitForSingleObject(created_, 10000);
}

FakeTray::~FakeTray()
{
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    WaitForSingleObject(thread_, 10000);
    CloseHandle(thread_);
    CloseHandle(created_);
}

DWORD WINAPI FakeTray::ThreadMain(void* self)
{
    auto* tray = static_cast<FakeTray*>(self);
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&wc);
    tray->hwnd_ = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, tray);
    SetWindowLongPtrW(tray->hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(tray));
    SetEvent(tray->created_);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
    return 0;
}

LRESULT CALLBACK FakeTray::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* tray = reinterpret_cast<FakeTray*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_COPYDATA && tray) {
        std::lock_guard<std::mutex> guard(tray->lock_);
        tray->requests_.push_back(RequestOf(*reinterpret_cast<const COPYDATASTRUCT*>(lParam)));
        return tray->accepting_ ? TRUE : FALSE;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::vector<DWORD> FakeTray::Requests() const
{
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

int FakeTray::Count(DWORD request) const
{
    const std::vector<DWORD> requests = Requests();
    return static_cast<int>(std::count(requests.begin(), requests.end(), request));
}
