// The numeric edit box's window messages as input events, and what its input asks of
// the window: the focus, the form's next control and the clipboard.
#include "controls/MnNumEdit_win.h"

#include "sysutil/WideText_win.h"

namespace {

NumEditShift CurrentShift()
{
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
    if (!shift && !ctrl && !alt)
        return NumEditShift::None;
    if (shift && !ctrl && !alt)
        return NumEditShift::Shift;
    if (ctrl && !shift && !alt)
        return NumEditShift::Ctrl;
    return NumEditShift::Other;
}

NumEditKey KeyOf(WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_LEFT: return NumEditKey::Left;
    case VK_RIGHT: return NumEditKey::Right;
    case VK_UP: return NumEditKey::Up;
    case VK_DOWN: return NumEditKey::Down;
    case VK_HOME: return NumEditKey::Home;
    case VK_END: return NumEditKey::End;
    case VK_PRIOR: return NumEditKey::PageUp;
    case VK_NEXT: return NumEditKey::PageDown;
    case VK_BACK: return NumEditKey::Back;
    case VK_DELETE: return NumEditKey::Delete;
    case 'A': return NumEditKey::A;
    case 'C': return NumEditKey::C;
    case 'V': return NumEditKey::V;
    case 'X': return NumEditKey::X;
    default: return NumEditKey::Other;
    }
}

NumEditEvent Mouse(NumEditEvent::Kind kind, LPARAM lParam)
{
    NumEditEvent event{kind};
    event.x = static_cast<short>(LOWORD(lParam));
    event.y = static_cast<short>(HIWORD(lParam));
    return event;
}

NumEditEvent Press(NumEditButton button, LPARAM lParam)
{
    NumEditEvent event = Mouse(NumEditEvent::Kind::Press, lParam);
    event.button = button;
    event.foregroundIsOwn = GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == GetCurrentThreadId();
    return event;
}

} // namespace

// True when the message was input; result is then its answer.
bool TMnNumEdit::OnInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    using Kind = NumEditEvent::Kind;
    result = 0;
    switch (message) {
    case WM_LBUTTONDOWN: input_.Handle(Press(NumEditButton::Left, lParam)); return true;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: input_.Handle(Press(NumEditButton::Right, lParam)); return true;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: input_.Handle(Press(NumEditButton::Middle, lParam)); return true;
    case WM_LBUTTONDBLCLK: input_.Handle(Mouse(Kind::DoubleClick, lParam)); return true;
    case WM_MOUSEMOVE: {
        NumEditEvent move = Mouse(Kind::Move, lParam);
        move.leftHeld = (wParam & MK_LBUTTON) != 0;
        input_.Handle(move);
        return true;
    }
    case WM_SETFOCUS: OnFocus(Kind::FocusGained, Kind::Entering, reinterpret_cast<HWND>(wParam)); return true;
    case WM_KILLFOCUS: OnFocus(Kind::FocusLost, Kind::Leaving, reinterpret_cast<HWND>(wParam)); return true;
    case WM_KEYDOWN: {
        NumEditEvent key{Kind::KeyDown};
        key.key = KeyOf(wParam);
        key.shift = CurrentShift();
        return input_.Handle(key);
    }
    case WM_CHAR: {
        NumEditEvent character{Kind::Character};
        character.character = static_cast<char16_t>(wParam);
        input_.Handle(character);
        return true;
    }
    case WM_GETDLGCODE: result = DialogCode(reinterpret_cast<const MSG*>(lParam)); return true;
    default: return false;
    }
}

// The focus coming from or going to another control of the same form is entering or
// leaving the box; from or to another window (another program, a message box) it only
// moves the caret.
void TMnNumEdit::OnFocus(NumEditEvent::Kind change, NumEditEvent::Kind formMove, HWND other)
{
    input_.Handle(NumEditEvent{change});
    if (other && GetAncestor(other, GA_ROOT) == GetAncestor(hwnd_, GA_ROOT))
        input_.Handle(NumEditEvent{formMove});
}

// Arrows and characters are the box's; Enter only when it moves the focus on, so that
// Tab and Escape stay the form's.
LRESULT TMnNumEdit::DialogCode(const MSG* message) const
{
    const bool enter =
        message && (message->message == WM_KEYDOWN || message->message == WM_CHAR) && message->wParam == VK_RETURN;
    return DLGC_WANTARROWS | DLGC_WANTCHARS | (enter && input_.WantsEnter() ? DLGC_WANTALLKEYS : 0);
}

void TMnNumEdit::TakeFocus()
{
    SetFocus(hwnd_);
}

void TMnNumEdit::MoveFocusOn()
{
    PostMessageW(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, 0, 0);
}

bool TMnNumEdit::PutOnClipboard(const std::u16string& text)
{
    const std::wstring wide = Wide(text);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (!memory)
        return false;
    auto* target = static_cast<wchar_t*>(GlobalLock(memory));
    if (!target) {
        GlobalFree(memory);
        return false;
    }
    wide.copy(target, wide.size());
    target[wide.size()] = L'\0';
    GlobalUnlock(memory);
    bool placed = false;
    if (OpenClipboard(hwnd_)) {
        placed = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    if (!placed)
        GlobalFree(memory);
    return placed;
}

std::optional<std::u16string> TMnNumEdit::ClipboardText()
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(hwnd_))
        return std::nullopt;
    std::optional<std::u16string> text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* source = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = U16(source);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}
