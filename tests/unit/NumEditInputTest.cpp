#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "controls/NumEditInput.h"

namespace {

using Kind = NumEditEvent::Kind;

class FakeView : public NumEditView {
public:
    int beeps = 0;
    void Repaint() override {}
    void PlaceCaret() override {}
    void Beep() override { ++beeps; }
    int MeasureText(const std::u16string& text) override { return static_cast<int>(text.size()) * 7; }
    int AvailableWidth() override { return 1000; }
};

// Records what the input asks of the window; its clipboard may refuse to take text.
class FakeHost : public NumEditInputHost {
public:
    int focusTaken = 0;
    int carets = 0; // created less destroyed
    int focusMoves = 0;
    bool clipboardOpens = true;
    std::optional<std::u16string> clipboard;
    void TakeFocus() override { ++focusTaken; }
    void CreateTextCaret() override { ++carets; }
    void DestroyTextCaret() override { --carets; }
    void MoveFocusOn() override { ++focusMoves; }
    bool PutOnClipboard(const std::u16string& text) override
    {
        if (clipboardOpens)
            clipboard = text;
        return clipboardOpens;
    }
    std::optional<std::u16string> ClipboardText() override { return clipboard; }
};

// Presses and double clicks at (27, 5), over the text, unless told otherwise.
NumEditEvent Press(NumEditButton button = NumEditButton::Left, bool foregroundIsOwn = true, int x = 27)
{
    NumEditEvent event{Kind::Press};
    event.button = button;
    event.foregroundIsOwn = foregroundIsOwn;
    event.x = x;
    event.y = 5;
    return event;
}

NumEditEvent DoubleClick(int x = 27)
{
    NumEditEvent event{Kind::DoubleClick};
    event.x = x;
    event.y = 5;
    return event;
}

NumEditEvent Move(int x, bool leftHeld, int y = 5)
{
    NumEditEvent event{Kind::Move};
    event.x = x;
    event.y = y;
    event.leftHeld = leftHeld;
    return event;
}

NumEditEvent Key(NumEditKey key, NumEditShift shift = NumEditShift::None)
{
    NumEditEvent event{Kind::KeyDown};
    event.key = key;
    event.shift = shift;
    return event;
}

NumEditEvent Char(char16_t c)
{
    NumEditEvent event{Kind::Character};
    event.character = c;
    return event;
}

const NumEditEvent kDoubleClick = DoubleClick();
const NumEditEvent kFocusGained{Kind::FocusGained};
const NumEditEvent kFocusLost{Kind::FocusLost};
const NumEditEvent kEntering{Kind::Entering};
const NumEditEvent kLeaving{Kind::Leaving};

// A box showing 12 with nothing selected, its text drawn from x 20 to 34.
class NumEditInputTest : public ::testing::Test {
protected:
    NumEditInputTest() : model(view), input(model, host)
    {
        model.SetText(u"12");
        model.OnChange = [this] { ++changes; };
        input.TextDrawn(20, 34);
    }
    void Run(const std::vector<NumEditEvent>& events)
    {
        for (const NumEditEvent& event : events)
            input.Handle(event);
    }

    FakeView view;
    FakeHost host;
    NumEditModel model;
    NumEditInput input;
    int changes = 0;
};

TEST_F(NumEditInputTest, MouseSequences)
{
    const struct {
        const char* what;
        bool selectedBefore;
        std::vector<NumEditEvent> events;
        bool selectedAfter;
        int focusTaken;
    } cases[] = {
        {"a click takes the focus and drops the selection", true, {Press()}, false, 1},
        {"clicking into the box leaves nothing selected", false, {kFocusGained, kEntering, Press()}, false, 1},
        {"a double click selects all", false, {Press(), kDoubleClick}, true, 1},
        {"the click after a double click drops the selection", false, {Press(), kDoubleClick, Press()}, false, 2},
        {"presses after the double-click time are clicks", true, {Press(), Press()}, false, 2},
        {"a right press between resets nothing more",
         false,
         {Press(), kDoubleClick, Press(NumEditButton::Right), Press()},
         false,
         2},
        {"a right press keeps the selection", true, {Press(NumEditButton::Right)}, true, 0},
        {"a click while another program is in front takes no focus",
         true,
         {Press(NumEditButton::Left, false)},
         false,
         0},
        {"a drag across the text selects all", false, {Press(), Move(28, true)}, true, 1},
        {"a drag from beside the text into it", false, {Press(NumEditButton::Left, true, 5), Move(21, true)}, true, 1},
        {"a vertical drag over the text", false, {Press(), Move(27, true, 6)}, true, 1},
        {"a move reported where the press was is no drag", false, {Press(), Move(27, true)}, false, 1},
        {"nor after a double click", false, {Press(), kDoubleClick, Press(), Move(27, true)}, false, 2},
        {"both edges of the text count", false, {Move(20, true)}, true, 0},
        {"the right edge", false, {Move(34, true)}, true, 0},
        {"beside the text", false, {Move(19, true), Move(35, true)}, false, 0},
        {"a move without the button", false, {Move(27, false)}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView v;
        FakeHost h;
        NumEditModel m(v);
        NumEditInput in(m, h);
        in.TextDrawn(20, 34);
        if (c.selectedBefore)
            m.SelectAll();
        for (const NumEditEvent& event : c.events)
            in.Handle(event);
        EXPECT_EQ(m.AllSelected(), c.selectedAfter);
        EXPECT_EQ(h.focusTaken, c.focusTaken);
    }
}

TEST_F(NumEditInputTest, DoubleClickThenClickThenTypeAppends)
{
    Run({Press(), kDoubleClick, Char(u'3')});
    EXPECT_EQ(model.Text(), u"3") << "a double click selects all, so a digit replaces";
    model.SetText(u"12");
    Run({Press(), kDoubleClick, Press(), Char(u'3')});
    EXPECT_EQ(model.Text(), u"123");
}

// Focus from or to another program only moves the caret; entering and leaving come
// only with a move between controls of the form.
TEST_F(NumEditInputTest, FocusSequences)
{
    const struct {
        const char* what;
        const char16_t* text;
        bool autoSelect, hideSelection, selectedBefore;
        std::vector<NumEditEvent> events;
        const char16_t* textAfter;
        bool selectedAfter;
        int carets;
    } cases[] = {
        {"entering by Tab selects all", u"12", true, true, false, {kFocusGained, kEntering}, u"12", true, 1},
        {"without AutoSelect nothing", u"12", false, true, false, {kFocusGained, kEntering}, u"12", false, 1},
        {"focus gained alone selects nothing", u"12", true, true, false, {kFocusGained}, u"12", false, 1},
        {"focus lost and gained keeps a lone minus and the selection",
         u"-",
         true,
         true,
         true,
         {kFocusLost, kFocusGained},
         u"-",
         true,
         0},
        {"leaving shows a lone minus as 0 and drops the selection",
         u"-",
         true,
         true,
         true,
         {kFocusLost, kLeaving},
         u"0",
         false,
         -1},
        {"without HideSelection the selection stays", u"5", true, false, true, {kFocusLost, kLeaving}, u"5", true, -1},
        {"a minus with digits stays", u"-5", true, true, false, {kFocusLost, kLeaving}, u"-5", false, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView v;
        FakeHost h;
        NumEditModel m(v);
        NumEditInput in(m, h);
        m.SelectAll();
        m.PasteFromClipboard(c.text);
        ASSERT_EQ(m.Text(), c.text);
        in.SetAutoSelect(c.autoSelect);
        in.SetHideSelection(c.hideSelection);
        if (c.selectedBefore)
            m.SelectAll();
        for (const NumEditEvent& event : c.events)
            in.Handle(event);
        EXPECT_EQ(m.Text(), c.textAfter);
        EXPECT_EQ(m.ValText(), c.textAfter);
        EXPECT_EQ(m.AllSelected(), c.selectedAfter);
        EXPECT_EQ(h.carets, c.carets);
    }
}

TEST_F(NumEditInputTest, SwitchingProgramsAndBackThenTypingAppends)
{
    Run({kFocusGained, kFocusLost, kFocusGained, Char(u'3')});
    EXPECT_EQ(model.Text(), u"123");
    Run({kFocusLost, kLeaving, kFocusGained, kEntering, Char(u'4')});
    EXPECT_EQ(model.Text(), u"4") << "coming back by Tab selects all";
}

TEST_F(NumEditInputTest, Keys)
{
    using K = NumEditKey;
    using S = NumEditShift;
    const struct {
        bool readOnly, arrowFocusMove, selectedBefore;
        NumEditEvent key;
        bool consumed;
        const char16_t* textAfter;
        bool selectedAfter;
        int focusMoves;
        const char16_t* clipboardAfter = u"34";
    } cases[] = {
        {false, false, false, Key(K::Left, S::Shift), true, u"12", true, 0},
        {false, false, false, Key(K::Right, S::Shift), true, u"12", true, 0},
        {false, false, false, Key(K::A, S::Ctrl), true, u"12", true, 0},
        {false, false, true, Key(K::Left), true, u"12", false, 0},
        {false, false, true, Key(K::Right), true, u"12", false, 0},
        {false, false, true, Key(K::Home), true, u"12", false, 0},
        {false, false, true, Key(K::End), true, u"12", false, 0},
        {false, false, true, Key(K::PageUp), true, u"12", false, 0},
        {false, false, true, Key(K::PageDown), true, u"12", false, 0},
        {false, false, true, Key(K::Up), true, u"12", false, 0},
        {false, true, true, Key(K::Up), true, u"12", false, 1},
        {false, true, true, Key(K::Down), true, u"12", false, 1},
        {false, false, false, Key(K::Back), true, u"1", false, 0},
        {false, false, false, Key(K::Delete), true, u"1", false, 0},
        {false, false, true, Key(K::Back), true, u"0", false, 0},
        {false, false, false, Key(K::V, S::Ctrl), true, u"1234", false, 0},
        {false, false, true, Key(K::V, S::Ctrl), true, u"34", false, 0},
        {false, false, true, Key(K::X, S::Ctrl), true, u"0", false, 0, u"12"},
        {false, false, false, Key(K::X, S::Ctrl), true, u"12", false, 0}, // nothing selected, nothing cut
        {false, false, false, Key(K::Up, S::Shift), false, u"12", false, 0},
        {false, false, false, Key(K::A, S::Other), false, u"12", false, 0},
        {false, false, false, Key(K::Back, S::Ctrl), false, u"12", false, 0},
        {false, false, false, Key(K::Other), false, u"12", false, 0},
        // A read-only box selects and copies, but takes no deleting, cutting or pasting.
        {true, false, false, Key(K::A, S::Ctrl), true, u"12", true, 0},
        {true, false, true, Key(K::Left), true, u"12", false, 0},
        {true, false, true, Key(K::V, S::Ctrl), false, u"12", true, 0},
        {true, false, true, Key(K::X, S::Ctrl), false, u"12", true, 0},
        {true, false, false, Key(K::Back), false, u"12", false, 0},
        {true, false, false, Key(K::Delete), false, u"12", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "key " << static_cast<int>(c.key.key) << " shift "
                                          << static_cast<int>(c.key.shift) << " read-only " << c.readOnly);
        FakeView v;
        FakeHost h;
        h.clipboard = u"34";
        NumEditModel m(v);
        NumEditInput in(m, h);
        m.SetText(u"12");
        m.SetReadOnly(c.readOnly);
        in.SetArrowFocusMove(c.arrowFocusMove);
        if (c.selectedBefore)
            m.SelectAll();
        EXPECT_EQ(in.Handle(c.key), c.consumed);
        EXPECT_EQ(m.Text(), c.textAfter);
        EXPECT_EQ(m.AllSelected(), c.selectedAfter);
        EXPECT_EQ(h.focusMoves, c.focusMoves);
        EXPECT_EQ(h.clipboard, c.clipboardAfter);
        EXPECT_EQ(v.beeps, 0);
    }
}

TEST_F(NumEditInputTest, CopyTakesOnlyAFullSelection)
{
    host.clipboard.reset();
    input.Handle(Key(NumEditKey::C, NumEditShift::Ctrl));
    EXPECT_FALSE(host.clipboard);
    model.SetReadOnly(true);
    Run({Key(NumEditKey::A, NumEditShift::Ctrl), Key(NumEditKey::C, NumEditShift::Ctrl)});
    EXPECT_EQ(host.clipboard, u"12");
}

TEST_F(NumEditInputTest, CutKeepsTheNumberWhenTheClipboardRefuses)
{
    host.clipboardOpens = false;
    Run({Key(NumEditKey::A, NumEditShift::Ctrl), Key(NumEditKey::X, NumEditShift::Ctrl)});
    EXPECT_EQ(model.Text(), u"12");
    EXPECT_TRUE(model.AllSelected());
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(changes, 0);
    host.clipboardOpens = true;
    Run({Key(NumEditKey::X, NumEditShift::Ctrl), Key(NumEditKey::V, NumEditShift::Ctrl)});
    EXPECT_EQ(model.Text(), u"12") << "cut and paste give the number back";
    EXPECT_EQ(changes, 2);
}

TEST_F(NumEditInputTest, PasteWithoutTextOnTheClipboardDoesNothing)
{
    host.clipboard.reset();
    EXPECT_TRUE(input.Handle(Key(NumEditKey::V, NumEditShift::Ctrl)));
    EXPECT_EQ(model.Text(), u"12");
    EXPECT_FALSE(model.CanUndo());
    EXPECT_EQ(changes, 0);
}

TEST_F(NumEditInputTest, Characters)
{
    const struct {
        bool readOnly, errorBeep, enterFocusMove;
        char16_t c;
        const char16_t* textAfter;
        int beeps, focusMoves;
    } cases[] = {
        {false, true, false, u'3', u"123", 0, 0}, {false, true, false, u'-', u"-12", 0, 0},
        {false, true, false, u'.', u"12.", 0, 0}, {false, true, false, u'x', u"12", 1, 0},
        {false, false, false, u'x', u"12", 0, 0}, {false, true, false, 13, u"12", 1, 0},
        {false, false, false, 13, u"12", 0, 0}, // Enter is refused silently without ErrorBeep
        {false, true, true, 13, u"12", 0, 1},     {false, true, false, 1, u"12", 0, 0},
        {false, true, false, 3, u"12", 0, 0},     {false, true, false, 22, u"12", 0, 0},
        {false, true, false, 24, u"12", 0, 0},    {false, true, false, 8, u"12", 0, 0},
        {true, true, false, u'3', u"12", 0, 0},   {true, true, false, u'x', u"12", 0, 0},
        {true, true, true, 13, u"12", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "character " << static_cast<int>(c.c) << " read-only " << c.readOnly
                                          << " beep " << c.errorBeep << " enter moves " << c.enterFocusMove);
        FakeView v;
        FakeHost h;
        NumEditModel m(v);
        NumEditInput in(m, h);
        m.SetText(u"12");
        m.SetReadOnly(c.readOnly);
        m.SetErrorBeep(c.errorBeep);
        in.SetEnterFocusMove(c.enterFocusMove);
        EXPECT_TRUE(in.Handle(Char(c.c)));
        EXPECT_EQ(m.Text(), c.textAfter);
        EXPECT_EQ(v.beeps, c.beeps);
        EXPECT_EQ(h.focusMoves, c.focusMoves);
        EXPECT_EQ(in.WantsEnter(), c.enterFocusMove);
    }
}

} // namespace
