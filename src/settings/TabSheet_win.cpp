#include "settings/TabSheet_win.h"

namespace {

constexpr const wchar_t* kSheetClass = L"TTabSheet";

bool IsForwarded(UINT message)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return true;
    default: return false;
    }
}

} // namespace

bool TabSheet::Create(HWND pageControl, HWND form, int id)
{
    form_ = form;
    RegisterClassOnce(kSheetClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    return CreateWindowOf(kSheetClass, L"", WS_CHILD | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, 0, 0, 0, 0, pageControl,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

LRESULT TabSheet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsForwarded(message))
        return SendMessageW(form_, message, wParam, lParam);
    return WindowBase::HandleMessage(message, wParam, lParam);
}
