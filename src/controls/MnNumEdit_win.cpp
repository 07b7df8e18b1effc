// The numeric edit box's window: its class, its drawing and its caret.
#include "controls/MnNumEdit_win.h"

#include <imm.h>

#include "sysutil/WideText_win.h"

namespace {

COLORREF Resolved(NumEditColor color)
{
    if (!color.isSystem)
        return color.rgb;
    switch (color.system) {
    case SystemColor::Window: return GetSysColor(COLOR_WINDOW);
    case SystemColor::WindowText: return GetSysColor(COLOR_WINDOWTEXT);
    case SystemColor::Highlight: return GetSysColor(COLOR_HIGHLIGHT);
    case SystemColor::HighlightText: return GetSysColor(COLOR_HIGHLIGHTTEXT);
    case SystemColor::GrayText: return GetSysColor(COLOR_GRAYTEXT);
    case SystemColor::ButtonFace: return GetSysColor(COLOR_BTNFACE);
    }
    return GetSysColor(COLOR_WINDOW);
}

void FillWith(HDC dc, const RECT& rect, COLORREF color)
{
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

} // namespace

void TMnNumEdit::RegisterWindowClass()
{
    RegisterOwningClassOnce<TMnNumEdit>(kClassName, CS_DBLCLKS, IDC_IBEAM);
}

TMnNumEdit::TMnNumEdit() : model_(*this), input_(model_, *this) {}

LRESULT TMnNumEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnInput(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CREATE: SetFont(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))); return 0;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: EraseBackground(reinterpret_cast<HDC>(wParam)); return 1;
    case WM_SETFONT: SetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: model_.SetText(U16(reinterpret_cast<const wchar_t*>(lParam))); return TRUE;
    case WM_GETTEXT: return CopyText(reinterpret_cast<wchar_t*>(lParam), static_cast<std::size_t>(wParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(model_.Text().size());
    case WM_ENABLE:
    case WM_SYSCOLORCHANGE: Repaint(); return 0;
    case WM_SIZE:
        Repaint();
        if (Focused())
            PlaceCaret();
        return 0;
    default: break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

LRESULT TMnNumEdit::CopyText(wchar_t* buffer, std::size_t limit) const
{
    if (limit == 0)
        return 0;
    const std::wstring text = Wide(model_.Text());
    const std::size_t copied = text.size() < limit ? text.size() : limit - 1;
    text.copy(buffer, copied);
    buffer[copied] = L'\0';
    return static_cast<LRESULT>(copied);
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

void TMnNumEdit::EraseBackground(HDC dc)
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    FillWith(dc, client, Resolved(FColor));
}

// The box draws only its text, in the selection colours when all is selected.
void TMnNumEdit::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(hwnd_, &paint);
    const POINT origin = TextOrigin();
    const NumEditPaintColors colors =
        NumEditColors::PaintColors(IsWindowEnabled(hwnd_) != FALSE, model_.AllSelected(), FColor, FDisabledColor);
    const std::wstring shown = Wide(model_.ValText());
    RECT drawRect{origin.x, origin.y, origin.x + MeasureText(model_.ValText()), origin.y + FFontHeight};
    input_.TextDrawn(drawRect.left, drawRect.right);
    FillWith(dc, drawRect, Resolved(colors.back));
    const HGDIOBJ old = SelectObject(dc, font_);
    SetTextColor(dc, Resolved(colors.text));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &drawRect, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
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

void TMnNumEdit::SetColor(NumEditColor color)
{
    FColor = color;
    Repaint();
}

void TMnNumEdit::SetDisabledColor(NumEditColor color)
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
    FMargins = NumEditLayout::KeptMargins(FMargins, margins);
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
