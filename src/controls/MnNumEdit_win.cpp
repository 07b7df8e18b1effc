// The numeric edit box's window: its class, its drawing and its caret.
#include "controls/MnNumEdit_win.h"

#include <imm.h>

#include "sysutil/WideText_win.h"

void TMnNumEdit::RegisterWindowClass()
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &wc))
        return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);
}

TMnNumEdit* TMnNumEdit::FromHandle(HWND hwnd)
{
    wchar_t className[32] = {};
    GetClassNameW(hwnd, className, 32);
    if (wcscmp(className, kClassName) != 0)
        return nullptr;
    return reinterpret_cast<TMnNumEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

TMnNumEdit::TMnNumEdit(HWND hwnd)
    : hwnd_(hwnd), model_(*this), FColor(GetSysColor(COLOR_WINDOW)), FDisabledColor(GetSysColor(COLOR_GRAYTEXT))
{
    SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

LRESULT CALLBACK TMnNumEdit::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new TMnNumEdit(hwnd)));
    auto* self = reinterpret_cast<TMnNumEdit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT TMnNumEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(hwnd_, &client);
        const HBRUSH brush = CreateSolidBrush(FColor);
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
        DeleteObject(brush);
        return 1;
    }
    case WM_SETFONT: SetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: model_.SetText(U16(reinterpret_cast<const wchar_t*>(lParam))); return TRUE;
    case WM_GETTEXT: {
        const std::wstring text = Wide(model_.Text());
        const std::size_t limit = static_cast<std::size_t>(wParam);
        if (limit == 0)
            return 0;
        const std::size_t copied = text.size() < limit ? text.size() : limit - 1;
        text.copy(reinterpret_cast<wchar_t*>(lParam), copied);
        reinterpret_cast<wchar_t*>(lParam)[copied] = L'\0';
        return static_cast<LRESULT>(copied);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(model_.Text().size());
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (FEnterFocusMove ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
        CreateTextCaret();
        if (FAutoSelect)
            model_.SelectAll();
        return 0;
    case WM_KILLFOCUS:
        DestroyTextCaret();
        model_.Leave(FHideSelection);
        Repaint();
        return 0;
    case WM_ENABLE: Repaint(); return 0;
    case WM_SIZE:
        Repaint();
        if (Focused())
            PlaceCaret();
        return 0;
    case WM_KEYDOWN:
        if (OnKeyDown(wParam))
            return 0;
        break;
    case WM_CHAR: OnChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_LBUTTONDOWN: OnMouseDown(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(static_cast<short>(LOWORD(lParam)), wParam); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

int TMnNumEdit::MeasureText(const std::u16string& text)
{
    const HDC dc = GetDC(hwnd_);
    const HGDIOBJ old = SelectObject(dc, font_);
    RECT bounds{0, 0, 0, 0};
    const std::wstring wide = Wide(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    return bounds.right - bounds.left;
}

int TMnNumEdit::AvailableWidth()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const bool sunken = (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    return NumEditLayout::AvailableWidth(client.right, FMargins, sunken);
}

POINT TMnNumEdit::TextOrigin()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int width = MeasureText(model_.ValText());
    return POINT{NumEditLayout::TextLeft(FAlignment, client.right, width, FMargins),
                 NumEditLayout::TextTop(FVertAlignment, client.bottom, FFontHeight, FMargins)};
}

void TMnNumEdit::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    const POINT origin = TextOrigin();
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool selected = enabled && model_.AllSelected();
    const COLORREF text = !enabled   ? FDisabledColor
                          : selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                     : GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF back = selected ? GetSysColor(COLOR_HIGHLIGHT) : FColor;
    const std::wstring shown = Wide(model_.ValText());
    DrawRect = RECT{origin.x, origin.y, origin.x + MeasureText(model_.ValText()), origin.y + FFontHeight};
    const HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &DrawRect, brush);
    DeleteObject(brush);
    const HGDIOBJ old = SelectObject(dc, font_);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &DrawRect, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(hwnd_, &paint);
}

void TMnNumEdit::Repaint()
{
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TMnNumEdit::SetFont(HFONT font)
{
    const bool focused = Focused();
    if (focused)
        DestroyTextCaret();
    font_ = font;
    const HDC dc = GetDC(hwnd_);
    const HGDIOBJ old = SelectObject(dc, font_);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"M", 1, &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    FFontHeight = size.cy;
    CaretWidth = metrics.tmWeight >= FW_BOLD ? 2 : 1;
    AdjustHeight();
    if (focused)
        CreateTextCaret();
    Repaint();
}

void TMnNumEdit::AdjustHeight()
{
    if (!FAutoSize)
        return;
    RECT window{}, client{};
    GetWindowRect(hwnd_, &window);
    GetClientRect(hwnd_, &client);
    const int frame = (window.bottom - window.top) - client.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left, FFontHeight + FMargins.top + FMargins.bottom + frame,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMnNumEdit::CreateTextCaret()
{
    CreateCaret(hwnd_, nullptr, CaretWidth, FFontHeight);
    caretShown_ = false;
    PlaceCaret();
}

void TMnNumEdit::DestroyTextCaret()
{
    HideCaret(hwnd_);
    DestroyCaret();
    caretShown_ = false;
}

// The caret stands right after the last typed character, and the input method's
// composition window with it.
void TMnNumEdit::PlaceCaret()
{
    if (!Focused())
        return;
    const POINT origin = TextOrigin();
    const POINT at{origin.x + model_.CaretOffset(model_.Text()), origin.y};
    SetCaretPos(at.x, at.y);
    if (!caretShown_)
        caretShown_ = ShowCaret(hwnd_) != FALSE;
    if (const HIMC context = ImmGetContext(hwnd_)) {
        COMPOSITIONFORM form{};
        form.dwStyle = CFS_POINT;
        form.ptCurrentPos = at;
        ImmSetCompositionWindow(context, &form);
        LOGFONTW font{};
        if (GetObjectW(font_, sizeof(font), &font))
            ImmSetCompositionFontW(context, &font);
        ImmReleaseContext(hwnd_, context);
    }
}

void TMnNumEdit::Beep()
{
    MessageBeep(0);
}

void TMnNumEdit::SetColor(COLORREF color)
{
    FColor = color;
    Repaint();
}

void TMnNumEdit::SetDisabledColor(COLORREF color)
{
    FDisabledColor = color;
    Repaint();
}

void TMnNumEdit::SetAlignment(TAlignment alignment)
{
    FAlignment = alignment;
    Repaint();
    PlaceCaret();
}

void TMnNumEdit::SetVertAlignment(TVertAlignment alignment)
{
    FVertAlignment = alignment;
    Repaint();
    PlaceCaret();
}

void TMnNumEdit::SetMargins(const NumEditMargins& margins)
{
    FMargins = margins;
    AdjustHeight();
    Repaint();
    PlaceCaret();
}

void TMnNumEdit::SetAutoSize(bool autoSize)
{
    FAutoSize = autoSize;
    AdjustHeight();
    Repaint();
    PlaceCaret();
}

// A single border is the sunken client edge where the new-style look is in use.
void TMnNumEdit::SetSingleBorder(bool single)
{
    LONG_PTR exStyle = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    exStyle = single ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    AdjustHeight();
    Repaint();
    PlaceCaret();
}
