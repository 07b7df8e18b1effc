// The numeric edit box's keys, characters, mouse and clipboard.
#include "controls/MnNumEdit_win.h"

#include "sysutil/WideText_win.h"

namespace {

enum class Modifiers { None, Shift, Ctrl, Other };

Modifiers CurrentModifiers()
{
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (!shift && !ctrl && !alt)
        return Modifiers::None;
    if (shift && !ctrl && !alt)
        return Modifiers::Shift;
    if (ctrl && !shift && !alt)
        return Modifiers::Ctrl;
    return Modifiers::Other;
}

} // namespace

void TMnNumEdit::MoveFocusOn()
{
    PostMessageW(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, 0, 0);
}

// The arrow and paging keys never move the caret: they drop the selection or move on.
bool TMnNumEdit::OnKeyDown(WPARAM key)
{
    const Modifiers modifiers = CurrentModifiers();
    if (modifiers == Modifiers::Shift && (key == VK_LEFT || key == VK_RIGHT)) {
        model_.SelectAll();
        return true;
    }
    if (modifiers == Modifiers::Ctrl && key == 'A') {
        model_.SelectAll();
        return true;
    }
    if (modifiers == Modifiers::Ctrl && key == 'C') {
        Copy();
        return true;
    }
    if (modifiers == Modifiers::None) {
        switch (key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_END:
        case VK_HOME:
        case VK_LEFT:
        case VK_RIGHT: model_.ClearSelect(); return true;
        case VK_UP:
        case VK_DOWN:
            model_.ClearSelect();
            if (FArrowFocusMove)
                MoveFocusOn();
            return true;
        default: break;
        }
    }
    if (model_.ReadOnly())
        return false;
    if (modifiers == Modifiers::Ctrl && key == 'V') {
        Paste();
        return true;
    }
    if (modifiers == Modifiers::Ctrl && key == 'X') {
        Cut();
        return true;
    }
    if (modifiers == Modifiers::None && (key == VK_BACK || key == VK_DELETE)) {
        model_.DeleteLastChar();
        return true;
    }
    return false;
}

void TMnNumEdit::OnChar(wchar_t c)
{
    if (model_.ReadOnly())
        return;
    switch (c) {
    case 1:  // Ctrl+A
    case 3:  // Ctrl+C
    case 22: // Ctrl+V
    case 24: // Ctrl+X
    case 8:  // Backspace: done on key down
        return;
    case 13:
        if (FEnterFocusMove)
            MoveFocusOn();
        else
            Beep();
        return;
    default: model_.InputCharacter(static_cast<char16_t>(c)); return;
    }
}

// A click focuses the box with nothing selected; entering it had selected everything.
void TMnNumEdit::OnMouseDown()
{
    if (!DblClickFlag) {
        if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == GetCurrentThreadId())
            SetFocus(hwnd_);
        model_.ClearSelect();
    }
    DblClickFlag = false;
}

void TMnNumEdit::OnMouseMove(int x, WPARAM buttons)
{
    if ((buttons & MK_LBUTTON) && x >= DrawRect.left && x <= DrawRect.right)
        model_.SelectAll();
}

void TMnNumEdit::OnDoubleClick()
{
    model_.SelectAll();
    DblClickFlag = true;
}

void TMnNumEdit::Copy()
{
    if (const std::optional<std::u16string> text = model_.CopyToClipboard())
        PutOnClipboard(*text);
}

void TMnNumEdit::Cut()
{
    if (const std::optional<std::u16string> text = model_.CutToClipboard())
        PutOnClipboard(*text);
}

void TMnNumEdit::PutOnClipboard(const std::u16string& text)
{
    if (!OpenClipboard(hwnd_))
        return;
    EmptyClipboard();
    const std::wstring wide = Wide(text);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        wide.copy(target, wide.size());
        target[wide.size()] = L'\0';
        GlobalUnlock(memory);
        if (!SetClipboardData(CF_UNICODETEXT, memory))
            GlobalFree(memory);
    }
    CloseClipboard();
}

void TMnNumEdit::Paste()
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(hwnd_))
        return;
    std::u16string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* source = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = U16(source);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    model_.PasteFromClipboard(text);
}
