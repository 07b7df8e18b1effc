#include "controls/NumEditInput.h"

void NumEditInput::TextDrawn(int left, int right)
{
    drawLeft_ = left;
    drawRight_ = right;
}

bool NumEditInput::Handle(const NumEditEvent& event)
{
    using Kind = NumEditEvent::Kind;
    switch (event.kind) {
    case Kind::Press:
        MouseAt(event.x, event.y);
        Press(event.button, event.foregroundIsOwn);
        return true;
    case Kind::DoubleClick:
        MouseAt(event.x, event.y);
        DoubleClick();
        return true;
    case Kind::Move:
        if (MouseAt(event.x, event.y))
            Move(event.x, event.leftHeld);
        return true;
    case Kind::FocusGained: host_.CreateTextCaret(); return true;
    case Kind::FocusLost: host_.DestroyTextCaret(); return true;
    case Kind::Entering: Enter(); return true;
    case Kind::Leaving: Leave(); return true;
    case Kind::KeyDown: return KeyDown(event.key, event.shift);
    case Kind::Character: Character(event.character); return true;
    }
    return false;
}

// A click focuses the box with nothing selected (entering it had selected everything),
// unless it is the press that comes with a double click. Every press ends that.
void NumEditInput::Press(NumEditButton button, bool foregroundIsOwn)
{
    if (!DblClickFlag && button == NumEditButton::Left) {
        if (foregroundIsOwn)
            host_.TakeFocus();
        model_.ClearSelect();
    }
    DblClickFlag = false;
}

// The system reports the second press of a double click in place of a press: the
// double click selects all, then that press follows and keeps the selection.
void NumEditInput::DoubleClick()
{
    model_.SelectAll();
    DblClickFlag = true;
    Press(NumEditButton::Left, true);
}

// True when the mouse is somewhere else than last reported.
bool NumEditInput::MouseAt(int x, int y)
{
    const bool moved = x != mouseX_ || y != mouseY_;
    mouseX_ = x;
    mouseY_ = y;
    return moved;
}

void NumEditInput::Move(int x, bool leftHeld)
{
    if (leftHeld && x >= drawLeft_ && x <= drawRight_)
        model_.SelectAll();
}

void NumEditInput::Enter()
{
    if (FAutoSelect)
        model_.SelectAll();
}

void NumEditInput::Leave()
{
    model_.Leave(FHideSelection);
}

bool NumEditInput::KeyDown(NumEditKey key, NumEditShift shift)
{
    using Key = NumEditKey;
    if (shift == NumEditShift::Shift && (key == Key::Left || key == Key::Right)) {
        model_.SelectAll();
        return true;
    }
    if (shift == NumEditShift::Ctrl && key == Key::A) {
        model_.SelectAll();
        return true;
    }
    if (shift == NumEditShift::Ctrl && key == Key::C) {
        Copy();
        return true;
    }
    if (shift == NumEditShift::None) {
        switch (key) {
        case Key::PageUp:
        case Key::PageDown:
        case Key::End:
        case Key::Home:
        case Key::Left:
        case Key::Right: model_.ClearSelect(); return true;
        case Key::Up:
        case Key::Down:
            model_.ClearSelect();
            if (FArrowFocusMove)
                host_.MoveFocusOn();
            return true;
        default: break;
        }
    }
    if (model_.ReadOnly())
        return false;
    if (shift == NumEditShift::Ctrl && key == Key::V) {
        Paste();
        return true;
    }
    if (shift == NumEditShift::Ctrl && key == Key::X) {
        Cut();
        return true;
    }
    if (shift == NumEditShift::None && (key == Key::Back || key == Key::Delete)) {
        model_.DeleteLastChar();
        return true;
    }
    return false;
}

void NumEditInput::Character(char16_t c)
{
    if (model_.ReadOnly())
        return;
    switch (c) {
    case 1:  // Ctrl+A
    case 3:  // Ctrl+C
    case 22: // Ctrl+V
    case 24: // Ctrl+X
    case 8:  // Backspace: their work was done on key down
        return;
    case 13:
        if (FEnterFocusMove)
            return host_.MoveFocusOn();
        break;
    default: break;
    }
    model_.InputCharacter(c); // refuses anything but a digit, a point or a minus
}

void NumEditInput::Copy()
{
    if (const std::optional<std::u16string> text = model_.CopyToClipboard())
        host_.PutOnClipboard(*text);
}

void NumEditInput::Cut()
{
    model_.CutToClipboard([this](const std::u16string& text) { return host_.PutOnClipboard(text); });
}

void NumEditInput::Paste()
{
    if (const std::optional<std::u16string> text = host_.ClipboardText())
        model_.PasteFromClipboard(*text);
}
