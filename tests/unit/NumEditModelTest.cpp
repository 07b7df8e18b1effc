#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/NumEditColors.h"
#include "controls/NumEditLayout.h"
#include "controls/NumEditModel.h"

namespace {

// Every character 7 pixels wide; a box with room for a set number of them.
class FakeView : public NumEditView {
public:
    int room = 1000;
    int beeps = 0;
    int repaints = 0;
    void Repaint() override { ++repaints; }
    void PlaceCaret() override {}
    void Beep() override { ++beeps; }
    int MeasureText(const std::u16string& text) override { return static_cast<int>(text.size()) * 7; }
    int AvailableWidth() override { return room * 7; }
};

class NumEditTest : public ::testing::Test {
protected:
    NumEditTest() : box(view)
    {
        box.OnChange = [this] { ++changes; };
    }
    // Types characters one by one; "\b" is Backspace.
    void Type(const std::u16string& keys)
    {
        for (char16_t c : keys) {
            if (c == u'\b')
                box.DeleteLastChar();
            else
                box.InputCharacter(c);
        }
    }

    FakeView view;
    NumEditModel box;
    int changes = 0;
};

TEST_F(NumEditTest, TypingAgainstTheLengths)
{
    const struct {
        int integerLength, decimalLength;
        const char16_t* keys;
        const char16_t* text;
        int beeps;
    } cases[] =
        {
            {2, 3, u"573", u"57", 1}, // the third digit is refused
            {1, 3, u"5", u"0", 1},    // the shown 0 counts as a digit
            {1, 3, u"\b", u"0", 0},   {3, 3, u"12.3456", u"12.345", 1},
            {3, 0, u"1.5", u"15", 1},                            // no point without decimals
            {3, 3, u"5-", u"-5", 0},  {3, 3, u"5--", u"5", 0},   // the sign toggles
            {3, 3, u"-", u"-1", 0},                              // on 0, minus gives -1, not -0
            {3, 3, u"--", u"1", 0},   {3, 3, u"1.5\b", u"1", 0}, // the point goes with its last digit
            {3, 3, u"5-\b", u"0", 0}, {3, 3, u"7\b", u"0", 0},
            {3, 3, u".", u"0.", 0},   {3, 3, u"..", u"0.", 1},
            {3, 3, u"x", u"0", 1},    {3, 3, u"１２．５", u"12.5", 0}, // full-width input
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.keys)));
        FakeView v;
        NumEditModel model(v);
        model.SetIntegerLength(c.integerLength);
        model.SetDecimalLength(c.decimalLength);
        for (char16_t k : std::u16string(c.keys)) {
            if (k == u'\b')
                model.DeleteLastChar();
            else
                model.InputCharacter(k);
        }
        EXPECT_EQ(model.Text(), c.text);
        EXPECT_EQ(v.beeps, c.beeps);
    }
}

TEST_F(NumEditTest, WidthCheckRefusesADigitThatWouldNotFit)
{
    view.room = 3;
    box.SetComma(false);
    Type(u"1234");
    EXPECT_EQ(box.Text(), u"123");
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(NumEditTest, GroupingShowsCommasButTheTextHasNone)
{
    Type(u"1234567");
    EXPECT_EQ(box.Text(), u"1234567");
    EXPECT_EQ(box.ValText(), u"1,234,567");
}

TEST_F(NumEditTest, SettingTextFiltersAndRaisesNoChange)
{
    box.SetIntegerLength(3);
    const struct {
        const char16_t* in;
        const char16_t* out;
    } cases[] = {{u"12.3456", u"12.345"}, {u"1234", u"123"}, {u"-1234", u"-123"}, {u"1234.5", u""}, {u"007", u"7"}};
    for (const auto& c : cases) {
        box.SetText(c.in);
        EXPECT_EQ(box.Text(), c.out);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(box.Modified());
    EXPECT_FALSE(box.CanUndo());
}

TEST_F(NumEditTest, MinusTurnedOffEmptiesANegativeText)
{
    Type(u"5-");
    box.SetMinus(false);
    EXPECT_EQ(box.Text(), u"");
    box.InputMinus();
    EXPECT_EQ(view.beeps, 1);
}

TEST_F(NumEditTest, SelectionIsAllOrNothing)
{
    Type(u"42");
    box.SelectAll();
    EXPECT_TRUE(box.AllSelected());
    box.InputCharacter(u'-');
    EXPECT_EQ(box.Text(), u"-1") << "typing over everything starts from 0";
    box.SelectAll();
    box.InputCharacter(u'7');
    EXPECT_EQ(box.Text(), u"7");
    EXPECT_TRUE(box.Modified());
    box.SelectAll();
    box.DeleteLastChar();
    EXPECT_EQ(box.Text(), u"0");
    EXPECT_FALSE(box.Modified()) << "deleting everything is Clear";
}

TEST_F(NumEditTest, ClipboardAndUndo)
{
    Type(u"12");
    EXPECT_FALSE(box.CopyToClipboard()) << "nothing selected";
    box.PasteFromClipboard(u"34");
    EXPECT_EQ(box.Text(), u"1234") << "paste appends";
    box.SelectAll();
    EXPECT_EQ(box.CopyToClipboard().value(), u"1234");
    box.SetImageCopy(true);
    EXPECT_EQ(box.CopyToClipboard().value(), u"1,234");
    const int before = changes;
    std::u16string clipboard;
    EXPECT_TRUE(box.CutToClipboard([&](const std::u16string& text) {
        clipboard = text;
        return true;
    }));
    EXPECT_EQ(clipboard, u"1,234");
    EXPECT_EQ(box.Text(), u"0");
    EXPECT_EQ(changes, before + 1);
    box.Undo();
    EXPECT_EQ(box.Text(), u"1234");
    box.Undo();
    EXPECT_EQ(box.Text(), u"0") << "a second undo redoes";
    box.SelectAll();
    box.PasteFromClipboard(u"１，２３４");
    EXPECT_EQ(box.Text(), u"1234") << "a full-width comma is dropped";
    box.SetDecimalLength(0);
    box.SelectAll();
    box.PasteFromClipboard(u"1.5");
    EXPECT_EQ(box.Text(), u"1");
}

TEST_F(NumEditTest, ReadOnlyBoxTakesNoTypingAndNeverBeeps)
{
    box.SetReadOnly(true);
    box.SetErrorBeep(true);
    Type(u"5-.x\b");
    EXPECT_EQ(box.Text(), u"0");
    EXPECT_EQ(view.beeps, 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(NumEditTest, LeavingWithALoneMinusShowsZero)
{
    box.SelectAll();
    box.PasteFromClipboard(u"-");
    ASSERT_EQ(box.Text(), u"-") << "a minus pasted over everything stands alone";
    box.SelectAll();
    const int changesBefore = changes;
    const int repaintsBefore = view.repaints;
    box.Leave(true);
    EXPECT_EQ(box.Text(), u"0");
    EXPECT_EQ(box.ValText(), u"0");
    EXPECT_FALSE(box.AllSelected());
    EXPECT_GT(view.repaints, repaintsBefore);
    EXPECT_EQ(changes, changesBefore) << "leaving raises no change";
    box.SelectAll();
    box.PasteFromClipboard(u"-");
    box.SelectAll();
    box.Leave(false);
    EXPECT_EQ(box.Text(), u"0");
    EXPECT_TRUE(box.AllSelected()) << "without HideSelection the selection stays";
}

// Which operations change the text, raise OnChange, set Modified and save the undo text.
TEST_F(NumEditTest, EventsOfEachOperation)
{
    const auto put = [](const std::u16string&) { return true; };
    const struct {
        const char* what;
        bool selectAll;
        std::function<void(NumEditModel&)> operation;
        const char16_t* textAfter;
        int changes;
        bool modified, undoSaved;
    } cases[] = {
        {"digit", false, [](NumEditModel& m) { m.InputCharacter(u'3'); }, u"123", 1, true, true},
        {"point", false, [](NumEditModel& m) { m.InputCharacter(u'.'); }, u"12.", 1, true, true},
        {"minus", false, [](NumEditModel& m) { m.InputCharacter(u'-'); }, u"-12", 1, true, true},
        {"refused", false, [](NumEditModel& m) { m.InputCharacter(u'x'); }, u"12", 0, false, false},
        {"Backspace", false, [](NumEditModel& m) { m.DeleteLastChar(); }, u"1", 1, true, true},
        {"Backspace on all", true, [](NumEditModel& m) { m.DeleteLastChar(); }, u"0", 0, false, true},
        {"Clear", false, [](NumEditModel& m) { m.Clear(); }, u"0", 0, false, true},
        {"cut", true, [&](NumEditModel& m) { m.CutToClipboard(put); }, u"0", 1, false, true},
        {"cut of nothing selected", false, [&](NumEditModel& m) { m.CutToClipboard(put); }, u"12", 0, false, false},
        {"paste", false, [](NumEditModel& m) { m.PasteFromClipboard(u"3"); }, u"123", 1, false, true},
        {"setting Text", false, [](NumEditModel& m) { m.SetText(u"77"); }, u"77", 0, false, false},
        {"setting a length", false, [](NumEditModel& m) { m.SetIntegerLength(1); }, u"1", 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeView v;
        NumEditModel m(v);
        int count = 0;
        m.OnChange = [&] { ++count; };
        m.SetText(u"12");
        if (c.selectAll)
            m.SelectAll();
        c.operation(m);
        EXPECT_EQ(m.Text(), c.textAfter);
        EXPECT_EQ(count, c.changes);
        EXPECT_EQ(m.Modified(), c.modified);
        EXPECT_EQ(m.CanUndo(), c.undoSaved);
        if (c.undoSaved) {
            m.Undo();
            EXPECT_EQ(m.Text(), u"12") << "undo gives the text before back";
        }
    }
    box.InputCharacter(u'5');
    box.PasteFromClipboard(u"1");
    EXPECT_TRUE(box.Modified()) << "paste leaves Modified as it was";
}

TEST_F(NumEditTest, WidthCheckOnPointAndMinus)
{
    box.SetComma(false);
    Type(u"12");
    view.room = 2;
    Type(u".-");
    EXPECT_EQ(box.Text(), u"12");
    EXPECT_EQ(view.beeps, 2);
    view.room = 3;
    Type(u"-");
    EXPECT_EQ(box.Text(), u"-12");
    view.room = 2;
    Type(u"-");
    EXPECT_EQ(box.Text(), u"12") << "taking the minus away needs no room";
}

TEST_F(NumEditTest, CaretStandsAfterTheTypedDecimals)
{
    box.SetDecimalFixed(true);
    box.SetDecimalLength(2);
    box.SetLeftMark(u"$");
    box.SetRightMark(u"円");
    EXPECT_EQ(box.CaretOffset(u"12.5"), 7 * 5) << "$12 and .5, not the padded 0";
    EXPECT_EQ(box.CaretOffset(u""), 7 * 2);
    EXPECT_EQ(box.CaretOffset(u"-"), 7 * 3);
    box.SetDecimalFixed(false);
    EXPECT_EQ(box.CaretOffset(u"1234"), 7 * 6) << "before the right mark";
}

TEST(NumEditLayout, TextPlacement)
{
    const NumEditMargins margins;
    EXPECT_EQ(NumEditLayout::TextLeft(TAlignment::taRightJustify, 40, 0, margins), 40 - 2 - 1);
    EXPECT_EQ(NumEditLayout::TextLeft(TAlignment::taLeftJustify, 40, 10, margins), 2);
    EXPECT_EQ(NumEditLayout::TextLeft(TAlignment::taCenter, 40, 10, margins), 18 + 2 - 5 - 1);
    EXPECT_EQ(NumEditLayout::TextTop(TVertAlignment::taVCenter, 20, 12, margins), 2 + 2);
    EXPECT_EQ(NumEditLayout::TextTop(TVertAlignment::taBottomJustify, 20, 12, margins), 6);
    EXPECT_EQ(NumEditLayout::AvailableWidth(40, margins, true), 32);
    EXPECT_EQ(NumEditLayout::AvailableWidth(40, margins, false), 34);
}

TEST(NumEditLayout, NegativeMarginsAreRefused)
{
    const NumEditMargins present{1, 2, 3, 4};
    const struct {
        NumEditMargins wanted, kept;
    } cases[] = {{{5, 6, 7, 8}, {5, 6, 7, 8}},    {{-1, 6, 7, 8}, {1, 6, 7, 8}}, {{5, -1, 7, 8}, {5, 2, 7, 8}},
                 {{5, 6, -1, 8}, {5, 6, 3, 8}},   {{5, 6, 7, -9}, {5, 6, 7, 4}}, {{0, 0, 0, 0}, {0, 0, 0, 0}},
                 {{-1, -1, -1, -1}, {1, 2, 3, 4}}};
    for (const auto& c : cases) {
        const NumEditMargins kept = NumEditLayout::KeptMargins(present, c.wanted);
        EXPECT_EQ(kept.left, c.kept.left);
        EXPECT_EQ(kept.top, c.kept.top);
        EXPECT_EQ(kept.right, c.kept.right);
        EXPECT_EQ(kept.bottom, c.kept.bottom);
    }
}

// The colours stay references to the system's colours, so that the box draws in the
// ones of the moment; a disabled box shows DisabledColor on its colour even when selected.
TEST(NumEditColors, PaintColors)
{
    const NumEditColor face = NumEditColor::Of(SystemColor::ButtonFace);
    const NumEditColor grey = NumEditColor::Of(SystemColor::GrayText);
    const NumEditColor red = NumEditColor::Rgb(0x0000FF);
    const struct {
        bool enabled, selected;
        NumEditColor color, disabled, text, back;
    } cases[] = {
        {true, false, face, grey, NumEditColor::Of(SystemColor::WindowText), face},
        {true, true, face, grey, NumEditColor::Of(SystemColor::HighlightText),
         NumEditColor::Of(SystemColor::Highlight)},
        {false, false, face, grey, grey, face},
        {false, true, face, red, red, face},
        {true, false, red, grey, NumEditColor::Of(SystemColor::WindowText), red},
    };
    for (const auto& c : cases) {
        const NumEditPaintColors colors = NumEditColors::PaintColors(c.enabled, c.selected, c.color, c.disabled);
        EXPECT_EQ(colors.text, c.text) << c.enabled << c.selected;
        EXPECT_EQ(colors.back, c.back) << c.enabled << c.selected;
    }
}

} // namespace
