// Any sequence of typed characters, keys, clicks, focus changes, pastes, cuts and undos
// against any set of properties of the numeric edit box, through its input as the
// window reports it; after each step the number text must follow its rules and the
// display text must be the formatted number text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "controls/NumEditInput.h"

namespace {

class View : public NumEditView {
public:
    int room = 40;
    void Repaint() override {}
    void PlaceCaret() override {}
    void Beep() override {}
    int MeasureText(const std::u16string& text) override { return static_cast<int>(text.size()) * 7; }
    int AvailableWidth() override { return room * 7; }
};

// A clipboard that holds what the case gives it and may refuse to take text.
class Host : public NumEditInputHost {
public:
    bool clipboardOpens = true;
    std::optional<std::u16string> clipboard;
    void TakeFocus() override {}
    void CreateTextCaret() override {}
    void DestroyTextCaret() override {}
    void MoveFocusOn() override {}
    bool PutOnClipboard(const std::u16string& text) override
    {
        if (clipboardOpens)
            clipboard = text;
        return clipboardOpens;
    }
    std::optional<std::u16string> ClipboardText() override { return clipboard; }
};

NumEditEvent Event(NumEditEvent::Kind kind, std::uint8_t argument)
{
    NumEditEvent event{kind};
    event.key = static_cast<NumEditKey>(argument % 15);
    event.shift = static_cast<NumEditShift>((argument >> 4) % 4);
    event.button = static_cast<NumEditButton>((argument >> 6) % 3);
    event.x = argument % 40;
    event.y = argument >> 5;
    event.leftHeld = argument & 1;
    event.foregroundIsOwn = argument & 2;
    return event;
}

NumEditEvent CtrlKey(NumEditKey key)
{
    NumEditEvent event{NumEditEvent::Kind::KeyDown};
    event.key = key;
    event.shift = NumEditShift::Ctrl;
    return event;
}

void CheckRules(NumEditModel& box)
{
    const std::u16string& t = box.Text();
    int points = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char16_t c = t[i];
        const bool ok = (c >= u'0' && c <= u'9') || (c == u'-' && i == 0) || c == u'.';
        points += c == u'.' ? 1 : 0;
        if (!ok || points > 1)
            std::abort();
    }
    if (box.ValText() != NumEditRules::FormatText(t, box.Format()))
        std::abort();
    box.CaretOffset(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 6)
        return 0;
    View view;
    view.room = data[0] % 50;
    NumEditModel box(view);
    box.SetIntegerLength(data[1] % 12);
    box.SetDecimalLength(data[2] % 6);
    box.SetMinus(data[3] & 1);
    box.SetComma(data[3] & 2);
    box.SetDecimalFixed(data[3] & 4);
    box.SetReadOnly(data[3] & 8);
    box.SetImageCopy(data[3] & 16);
    if (data[3] & 32)
        box.SetLeftMark(u"¥");
    if (data[3] & 64)
        box.SetRightMark(u"円");
    Host host;
    NumEditInput input(box, host);
    input.SetEnterFocusMove(data[3] & 128);
    input.TextDrawn(10, 30);
    using Kind = NumEditEvent::Kind;
    for (std::size_t i = 4; i + 1 < size; i += 2) {
        const std::uint8_t a = data[i + 1];
        const char16_t argument = static_cast<char16_t>(a | ((data[i] & 0x80) ? 0xFF00 : 0));
        NumEditEvent character{Kind::Character};
        switch (data[i] % 14) {
        case 0: character.character = static_cast<char16_t>(u'0' + a % 10); break;
        case 1: character.character = argument; break;
        case 2: character.character = u'-'; break;
        case 3: character.character = u'.'; break;
        case 4: input.Handle(Event(Kind::KeyDown, a)); break;
        case 5: box.SelectAll(); break;
        case 6: input.Handle(Event(a & 1 ? Kind::Move : Kind::Press, a)); break;
        case 7:
            host.clipboard = std::u16string(a % 8, argument);
            input.Handle(CtrlKey(NumEditKey::V));
            break;
        case 8: box.Undo(); break;
        case 9:
            host.clipboardOpens = a & 1;
            input.Handle(CtrlKey(NumEditKey::X));
            break;
        case 10: input.Handle(Event(static_cast<Kind>(static_cast<int>(Kind::FocusGained) + a % 4), a)); break;
        case 11: box.SetText(std::u16string(1, argument) + u"12.5"); break;
        case 12: input.Handle(Event(Kind::DoubleClick, a)); break;
        default:
            input.SetAutoSelect(a & 1);
            input.SetHideSelection(a & 2);
            input.SetArrowFocusMove(a & 4);
            break;
        }
        if (character.character)
            input.Handle(character);
        CheckRules(box);
    }
    return 0;
}
