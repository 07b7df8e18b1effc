#include "shell/CoolTrayIcon_win.h"

#include <shlwapi.h>

#include <algorithm>
#include <type_traits>

#include "shell/ApplicationWindow_win.h"
#include "sysutil/SharedWindow_win.h"

namespace {

constexpr UINT kCallbackMessage = WM_USER + 1024; // 2048
static_assert(std::extent_v<decltype(NOTIFYICONDATAW::szTip)> >= kTrayTipUnits, "the tip and its zero fit");
constexpr int kAddRetries = 60; // once a second for a minute

#ifndef NOTIFYICONDATAW_V2_SIZE
#define NOTIFYICONDATAW_V2_SIZE FIELD_OFFSET(NOTIFYICONDATAW, guidItem)
#endif

// "TaskbarCreated", registered once for the process where the common controls are
// 4.71 or later; 0 where the icon is never added again by itself.
UINT TaskbarCreatedMessage()
{
    static const UINT message = [] {
        using DllGetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
        const HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
        const auto getVersion =
            comctl ? reinterpret_cast<DllGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")))
                   : nullptr;
        DLLVERSIONINFO version{};
        version.cbSize = sizeof(version);
        if (!getVersion || FAILED(getVersion(&version)) ||
            (version.dwMajorVersion << 16 | version.dwMinorVersion) < ((4u << 16) | 71u))
            return 0u;
        return RegisterWindowMessageW(L"TaskbarCreated");
    }();
    return message;
}

// An elevated program still hears the shell's broadcast from a normal one.
void AllowTaskbarCreated(HWND window)
{
    using ChangeFilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    const auto changeFilter = reinterpret_cast<ChangeFilterFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
    if (changeFilter && TaskbarCreatedMessage())
        changeFilter(window, TaskbarCreatedMessage(), 1 /* MSGFLT_ALLOW */, nullptr);
}

// The hidden window that receives the shell's callbacks for every icon. It cannot be
// closed from outside, and agrees to the session's end.
class TTrayIconHandler : public SharedWindow<TCoolTrayIcon> {
public:
    static TTrayIconHandler& Instance()
    {
        static TTrayIconHandler handler;
        return handler;
    }

private:
    TTrayIconHandler() : SharedWindow(L"TTrayIconHandler", nullptr, WS_POPUP, WS_EX_TOOLWINDOW) {}

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case kCallbackMessage:
            if (TCoolTrayIcon* icon = Find(wParam))
                icon->HandleCallback(static_cast<unsigned>(lParam));
            return 0;
        case WM_CLOSE:
        case WM_QUERYENDSESSION:
        case WM_ENDSESSION:
        case WM_QUIT: return 1;
        default: return SharedWindow::HandleMessage(message, wParam, lParam);
        }
    }
};

TrayPointer ReadPointer()
{
    TrayPointer pointer;
    POINT cursor{};
    GetCursorPos(&cursor);
    pointer.x = cursor.x;
    pointer.y = cursor.y;
    pointer.shift = ((GetAsyncKeyState(VK_SHIFT) & 0x8000) ? TrayPointer::ssShift : 0u) |
                    ((GetAsyncKeyState(VK_MENU) & 0x8000) ? TrayPointer::ssAlt : 0u) |
                    ((GetAsyncKeyState(VK_CONTROL) & 0x8000) ? TrayPointer::ssCtrl : 0u);
    return pointer;
}

} // namespace

TCoolTrayIcon::TCoolTrayIcon(ApplicationWindow& application, HWND owner)
    : application_(application), owner_(owner), FIconID(static_cast<UINT>(TTrayIconHandler::Instance().Add(this))),
      cycleTimer_(1000, [this] { CycleStep(); }), clickTimer_(1000, [this] { clicks_.ClickTimerExpired(); }),
      retryTimer_(1000, [this] { RetryAdd(); }), clicks_(
                                                     *this, [] { return GetDoubleClickTime(); }, ReadPointer)
{
    IconData.cbSize = NOTIFYICONDATAW_V2_SIZE;
    IconData.hWnd = TTrayIconHandler::Instance().Handle();
    IconData.uID = FIconID;
    IconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    IconData.uCallbackMessage = kCallbackMessage;
    application_.AddMessageHook(this, [this](UINT message, WPARAM, LPARAM) {
        if (message != 0 && message == TaskbarCreatedMessage())
            TaskbarCreated();
    });
    AllowTaskbarCreated(application_.Handle());
    if (owner_)
        SetWindowSubclass(owner_, OwnerProc, FIconID, reinterpret_cast<DWORD_PTR>(this));
}

TCoolTrayIcon::~TCoolTrayIcon()
{
    SetIconVisible(false);
    application_.RemoveMessageHook(this);
    if (owner_)
        RemoveWindowSubclass(owner_, OwnerProc, FIconID);
    if (FIcon)
        DestroyIcon(FIcon);
    TTrayIconHandler::Instance().Remove(FIconID);
}

bool TCoolTrayIcon::Send(DWORD message)
{
    IconData.hIcon = FIcon;
    const std::u16string tip = TrayTipText(FHint, FShowHint);
    std::fill(std::begin(IconData.szTip), std::end(IconData.szTip), L'\0');
    std::copy(tip.begin(), tip.end(), IconData.szTip);
    return Shell_NotifyIconW(message, &IconData) != FALSE;
}

// A shell that is not ready yet, at log-on, is asked again once a second for a while.
bool TCoolTrayIcon::Add()
{
    if (Send(NIM_ADD)) {
        retryTimer_.SetEnabled(false);
        return true;
    }
    if (!retryTimer_.Enabled()) {
        retriesLeft_ = kAddRetries;
        retryTimer_.SetEnabled(true);
    }
    return false;
}

void TCoolTrayIcon::RetryAdd()
{
    if (!FIconVisible || --retriesLeft_ < 0) {
        retryTimer_.SetEnabled(false);
        return;
    }
    Add();
}

void TCoolTrayIcon::TaskbarCreated()
{
    retryTimer_.SetEnabled(false);
    if (FIconVisible)
        Add();
}

void TCoolTrayIcon::SetIcon(HICON icon)
{
    if (FIcon)
        DestroyIcon(FIcon);
    FIcon = icon ? CopyIcon(icon) : nullptr;
    Modify();
}

void TCoolTrayIcon::SetHint(const std::u16string& hint)
{
    FHint = hint;
    Modify();
}

void TCoolTrayIcon::SetShowHint(bool showHint)
{
    FShowHint = showHint;
    Modify();
}

void TCoolTrayIcon::SetIconVisible(bool visible)
{
    FIconVisible = visible;
    if (visible) {
        Add();
    } else {
        retryTimer_.SetEnabled(false);
        Send(NIM_DELETE);
    }
}

void TCoolTrayIcon::SetIconList(HIMAGELIST list)
{
    FIconList = list;
    cycle_.SetCount(list ? ImageList_GetImageCount(list) : 0);
    SetIconIndex(0);
}

void TCoolTrayIcon::CopyFrame(int index)
{
    if (!FIconList)
        return;
    const HICON frame = ImageList_GetIcon(FIconList, index, ILD_NORMAL);
    if (FIcon)
        DestroyIcon(FIcon);
    FIcon = frame;
}

void TCoolTrayIcon::SetIconIndex(int index)
{
    cycle_.SetIndex(index);
    CopyFrame(cycle_.Index());
    Modify();
}

void TCoolTrayIcon::SetCycleIcons(bool cycle)
{
    FCycleIcons = cycle;
    if (cycle) {
        SetIconIndex(0);
        cycleTimer_.SetInterval(FCycleInterval);
        cycleTimer_.SetEnabled(true);
    } else {
        cycleTimer_.SetEnabled(false);
    }
}

void TCoolTrayIcon::SetCycleInterval(unsigned interval)
{
    if (interval == FCycleInterval)
        return;
    FCycleInterval = interval;
    SetCycleIcons(FCycleIcons);
}

void TCoolTrayIcon::CycleStep()
{
    SetIconIndex(cycle_.Step());
}

void TCoolTrayIcon::Start(unsigned milliseconds)
{
    clickTimer_.SetInterval(milliseconds);
    clickTimer_.SetEnabled(true);
}

void TCoolTrayIcon::Stop()
{
    clickTimer_.SetEnabled(false);
}

// Shown by a direct call, the owner comes to the foreground after the application.
LRESULT CALLBACK TCoolTrayIcon::OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self)
{
    if (message == WM_SHOWWINDOW && wParam == 1 && lParam == 0) {
        auto* icon = reinterpret_cast<TCoolTrayIcon*>(self);
        SetForegroundWindow(icon->application_.Handle());
        SetForegroundWindow(hwnd);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
