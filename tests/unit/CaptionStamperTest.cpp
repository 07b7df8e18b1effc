#include <gtest/gtest.h>

#include "clock/CaptionStamper.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeFileSystem.h"

namespace {

const Moment kNow = Moment::FromCivil(2020, 4, 27, 15, 5, 9);
const std::u16string kStamp = u"【令和2年4月27日(月曜日) 15時05分09秒】";

class CaptionStamperTest : public ::testing::Test {
protected:
    CaptionStamperTest() : stamper(desktop, files)
    {
        own = desktop.Add(u"Duv", u"C:\\Tools\\Duv.exe");
        desktop.At(own).visible = false;
        stamper.Reset(own);
    }

    StampResult Stamp(const Moment& at = kNow) { return stamper.StampWindow(options, at); }

    FakeDesktop desktop;
    FakeFileSystem files;
    CaptionStamper stamper;
    Options options;
    WindowHandle own = 0;
};

TEST_F(CaptionStamperTest, BuildsStampFromFormats)
{
    options.Date = 3;
    options.Time = 2;
    EXPECT_EQ(stamper.BuildStamp(options, kNow), u"【2020/04/27 15:05:09】");
    options.Date = 8;
    options.Time = 3;
    EXPECT_EQ(stamper.BuildStamp(options, kNow), u"【15:05】");
    options.Date = 0;
    options.Time = 6;
    EXPECT_EQ(stamper.BuildStamp(options, kNow), u"【令和2年4月27日(月曜日)】");
}

TEST_F(CaptionStamperTest, StampsBehindOrBeforeTheOwnTitle)
{
    const WindowHandle w = desktop.Add(u"Notes");
    desktop.SetForeground(w);
    const StampResult after = Stamp();
    EXPECT_TRUE(after.stamped);
    EXPECT_EQ(desktop.TitleOf(w), u"Notes " + kStamp);
    EXPECT_EQ(stamper.LastStamp(), u" " + kStamp);

    options.Position = 1;
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), kStamp + u" Notes");
    EXPECT_EQ(stamper.LastStamp(), kStamp + u" ");
}

TEST_F(CaptionStamperTest, FirstTickWritesOwnWindowTitleBackAndRestoresOnForegroundChange)
{
    const WindowHandle first = desktop.Add(u"First");
    const WindowHandle second = desktop.Add(u"Second");
    desktop.SetForeground(first);
    Stamp();
    ASSERT_FALSE(desktop.writes.empty());
    EXPECT_EQ(desktop.writes.front().window, own);
    EXPECT_EQ(desktop.writes.front().title, u"Duv");

    desktop.SetForeground(second);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(first), u"First");
    EXPECT_EQ(desktop.TitleOf(second), u"Second " + kStamp);
    EXPECT_EQ(stamper.LastStamped(), second);
}

TEST_F(CaptionStamperTest, TwoTicksInOneSecondWriteTheSameTitle)
{
    const WindowHandle w = desktop.Add(u"Editor");
    desktop.SetForeground(w);
    Stamp();
    const std::u16string once = desktop.TitleOf(w);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), once);
}

TEST_F(CaptionStamperTest, TextAppendedBehindTheStamp)
{
    const WindowHandle w = desktop.Add(u"Term");
    desktop.SetForeground(w);
    Stamp();
    desktop.At(w).title += u" - busy";
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u"Term " + kStamp);

    options.Position = 1;
    Stamp(); // the old shape is stripped as a whole own title first
    desktop.At(w).title = u"[x] " + stamper.LastStamp() + u"Term";
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), kStamp + u" [x] Term");
}

TEST_F(CaptionStamperTest, ProgramThatRetitlesItselfIsStampedAfreshOnTheSameTick)
{
    const WindowHandle w = desktop.Add(u"Page 1");
    desktop.SetForeground(w);
    Stamp();
    desktop.At(w).title = u"Page 2";
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u"Page 2 " + kStamp);
    desktop.SetForeground(0);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u"Page 2");
}

TEST_F(CaptionStamperTest, LongTitleIsCutTo259Units)
{
    const std::u16string longTitle(300, u'x');
    const WindowHandle w = desktop.Add(longTitle);
    desktop.SetForeground(w);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), std::u16string(259, u'x') + u" " + kStamp);
    desktop.SetForeground(0);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), std::u16string(259, u'x'));
}

TEST_F(CaptionStamperTest, ProgramNameInPlaceOfTitle)
{
    options.ExeName = true;
    const WindowHandle w = desktop.Add(u"Document - Bar", u"C:\\PROGRA~1\\Foo\\BAR~1.EXE");
    files.SetStoredName(u"C:\\PROGRA~1", u"Program Files");
    files.SetStoredName(u"C:\\PROGRA~1\\Foo\\BAR~1.EXE", u"bar.app.exe");
    desktop.SetForeground(w);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u"bar.app " + kStamp);
    desktop.SetForeground(0);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u"Document - Bar");
}

TEST_F(CaptionStamperTest, ProgramNameUnknownLeavesOnlyTheStamp)
{
    options.ExeName = true;
    const WindowHandle w = desktop.Add(u"Locked", u"");
    desktop.SetForeground(w);
    Stamp();
    EXPECT_EQ(desktop.TitleOf(w), u" " + kStamp);
}

TEST_F(CaptionStamperTest, LengthLimit)
{
    struct Case {
        const char16_t* length;
        const char16_t* shown;
    };
    const Case cases[] = {{u"4", u"Spre"}, {u"0", u""},        {u"999", u"Spreadsheet"},
                          {u"-3", u""},    {u"5.7", u"Sprea"}, {u"", u""}};
    options.EnabledLength = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.length)));
        const WindowHandle w = desktop.Add(u"Spreadsheet");
        desktop.SetForeground(w);
        options.Length = c.length;
        Stamp();
        EXPECT_EQ(desktop.TitleOf(w), std::u16string(c.shown) + u" " + kStamp);
        desktop.SetForeground(0);
        Stamp();
        EXPECT_EQ(desktop.TitleOf(w), u"Spreadsheet");
    }
}

TEST_F(CaptionStamperTest, WindowsThatAreNeverStamped)
{
    const auto notStamped = [&](const char* what, auto&& setUp) {
        const WindowHandle w = desktop.Add(u"Target");
        setUp(desktop.At(w));
        desktop.SetForeground(w);
        EXPECT_FALSE(Stamp().stamped) << what;
        EXPECT_EQ(desktop.TitleOf(w).find(u"【"), std::u16string::npos) << what;
    };
    notStamped("desktop", [](FakeDesktop::Window& w) { w.title = u"Program Manager"; });
    notStamped("invisible", [](FakeDesktop::Window& w) { w.visible = false; });
    notStamped("minimised", [](FakeDesktop::Window& w) { w.minimized = true; });
    notStamped("no title", [](FakeDesktop::Window& w) { w.title.clear(); });
    notStamped("off screen", [](FakeDesktop::Window& w) { w.rect = {2000, 2000, 2400, 2300}; });
    notStamped("rectangle unreadable", [](FakeDesktop::Window& w) { w.rectReadable = false; });
    notStamped("parked", [](FakeDesktop::Window& w) { w.rect = {-32000, -32000, -31000, -31000}; });
    EXPECT_FALSE(Stamp().stamped) << "no foreground window at all";
}

TEST_F(CaptionStamperTest, MaximisedWindowIsStampedWhereverItLies)
{
    const WindowHandle w = desktop.Add(u"Big");
    desktop.At(w).maximized = true;
    desktop.At(w).rect = {5000, 5000, 6000, 6000};
    desktop.SetForeground(w);
    EXPECT_TRUE(Stamp().stamped);
}

TEST_F(CaptionStamperTest, CentreOnScreenIsEnough)
{
    const WindowHandle w = desktop.Add(u"Wide");
    desktop.At(w).rect = {-500, -500, 600, 600};
    desktop.SetForeground(w);
    EXPECT_TRUE(Stamp().stamped);
}

TEST_F(CaptionStamperTest, ExcludedProgramsFoldOnlyAsciiCase)
{
    options.Disable = {u"notepad.exe", u"CAFÉ.EXE"};
    const WindowHandle notepad = desktop.Add(u"memo", u"C:\\Windows\\NOTEPAD.EXE");
    desktop.SetForeground(notepad);
    EXPECT_FALSE(Stamp().stamped);
    const WindowHandle cafe = desktop.Add(u"menu", u"C:\\Apps\\café.exe");
    desktop.SetForeground(cafe);
    EXPECT_TRUE(Stamp().stamped);
}

TEST_F(CaptionStamperTest, EmptyProgramPathMatchesOnlyAnEmptyEntry)
{
    const WindowHandle w = desktop.Add(u"Protected", u"");
    desktop.SetForeground(w);
    EXPECT_TRUE(Stamp().stamped);
    options.Disable = {u""};
    EXPECT_FALSE(Stamp().stamped);
}

TEST_F(CaptionStamperTest, Dialogs)
{
    const WindowHandle w = desktop.Add(u"Open");
    desktop.At(w).className = u"#32770";
    desktop.SetForeground(w);
    EXPECT_TRUE(Stamp().stamped);
    options.Dialog = true;
    EXPECT_FALSE(Stamp().stamped);
}

TEST_F(CaptionStamperTest, NoDateNoTimeStampsNothingButStillRestores)
{
    const WindowHandle first = desktop.Add(u"First");
    desktop.SetForeground(first);
    Stamp();
    options.Date = 8;
    options.Time = 6;
    const WindowHandle second = desktop.Add(u"Second");
    desktop.SetForeground(second);
    EXPECT_FALSE(Stamp().stamped);
    EXPECT_EQ(desktop.TitleOf(first), u"First");
    EXPECT_EQ(desktop.TitleOf(second), u"Second");
}

TEST_F(CaptionStamperTest, ProgramLogHoldsEachUpperCasedNameOnceAndAsksOncePerTick)
{
    const WindowHandle a = desktop.Add(u"A", u"C:\\Apps\\Café.exe");
    const WindowHandle b = desktop.Add(u"B", u"D:\\x\\other.EXE");
    desktop.SetForeground(a);
    Stamp();
    const int queriesBefore = desktop.programPathQueries;
    Stamp();
    EXPECT_EQ(desktop.programPathQueries - queriesBefore, 1);
    desktop.SetForeground(b);
    Stamp();
    desktop.SetForeground(a);
    Stamp();
    EXPECT_EQ(stamper.ProgramLog(), (std::vector<std::u16string>{u"CAFé.EXE", u"OTHER.EXE"}));
}

TEST_F(CaptionStamperTest, HungWindowIsNotCountedAsStampedButIsRestoredLater)
{
    const WindowHandle hung = desktop.Add(u"Hung");
    desktop.At(hung).answers = false;
    desktop.SetForeground(hung);
    EXPECT_FALSE(Stamp().stamped);
    EXPECT_EQ(stamper.LastStamped(), hung);
    desktop.At(hung).answers = true;
    const WindowHandle next = desktop.Add(u"Next");
    desktop.SetForeground(next);
    EXPECT_TRUE(Stamp().stamped);
    EXPECT_EQ(desktop.writes[desktop.writes.size() - 2].window, hung);
    EXPECT_EQ(desktop.TitleOf(hung), u"Hung");
}

// A window hangs while it carries the stamp, keeps the foreground for a few ticks
// and then loses it; whether the writes it missed are dropped or delivered late,
// it ends with its own title once it answers.
TEST_F(CaptionStamperTest, WindowThatHangsWhileStampedGetsItsOwnTitleBack)
{
    for (const bool late : {false, true}) {
        SCOPED_TRACE(late ? "late delivery" : "writes dropped");
        const WindowHandle slow = desktop.Add(u"Slow");
        const WindowHandle quick = desktop.Add(u"Quick");
        desktop.SetForeground(slow);
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 0));
        desktop.At(slow).answers = false;
        desktop.At(slow).deliversLate = late;
        for (int s = 1; s <= 3; ++s) {
            EXPECT_FALSE(Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, s)).stamped);
        }
        desktop.SetForeground(quick);
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 4));
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 5));
        desktop.Wake(slow);
        if (!late) {
            EXPECT_NE(desktop.TitleOf(slow).find(u"【"), std::u16string::npos) << "still stamped before the next tick";
        }
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 6));
        EXPECT_EQ(desktop.TitleOf(slow), u"Slow");
        desktop.SetForeground(slow);
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 7));
        EXPECT_EQ(desktop.TitleOf(slow), u"Slow 【令和2年4月27日(月曜日) 15時05分07秒】");
        desktop.SetForeground(0);
        Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 8));
    }
}

TEST_F(CaptionStamperTest, HungForegroundWindowDoesNotPileUpStamps)
{
    const WindowHandle slow = desktop.Add(u"Slow");
    desktop.SetForeground(slow);
    Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 0));
    desktop.At(slow).answers = false;
    desktop.At(slow).deliversLate = true;
    Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 1));
    Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 2));
    desktop.Wake(slow);
    Stamp(Moment::FromCivil(2020, 4, 27, 15, 5, 3));
    EXPECT_EQ(desktop.TitleOf(slow), u"Slow 【令和2年4月27日(月曜日) 15時05分03秒】");
}

TEST_F(CaptionStamperTest, OnlyOneHungWindowIsWaitedForPerTick)
{
    for (int i = 0; i < 3; ++i) {
        const WindowHandle slow = desktop.Add(u"Slow");
        desktop.SetForeground(slow);
        Stamp();
        desktop.At(slow).answers = false;
    }
    const WindowHandle quick = desktop.Add(u"Quick");
    desktop.SetForeground(quick);
    Stamp();
    const std::size_t before = desktop.writes.size();
    Stamp();
    EXPECT_EQ(desktop.writes.size() - before, 2u) << "one retry and the stamp";
}

TEST_F(CaptionStamperTest, VanishedWindowIsRestoredQuietly)
{
    const WindowHandle w = desktop.Add(u"Gone soon");
    desktop.SetForeground(w);
    Stamp();
    desktop.Remove(w);
    const WindowHandle next = desktop.Add(u"Next");
    desktop.SetForeground(next);
    EXPECT_TRUE(Stamp().stamped);
}

} // namespace
