#include <gtest/gtest.h>

#include <deque>

#include "clock/Moment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/Printers.h"
#include "launcher/DueLaunches.h"
#include "launcher/LaunchPage.h"
#include "launcher/QelTool.h"
#include "launcher/Weekdays.h"
#include "sysutil/UserDialogs.h"

namespace {

class FakeDialogs : public UserDialogs {
public:
    std::deque<bool> answers;
    std::vector<std::u16string> questions;
    std::optional<std::u16string> pick;
    std::vector<PickRequest> picks;
    bool AskYesNo(const std::u16string& text) override
    {
        questions.push_back(text);
        const bool answer = answers.empty() ? true : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void Notify(const std::u16string&) override {}
    std::optional<std::u16string> PickFile(const PickRequest& request) override
    {
        picks.push_back(request);
        return pick;
    }
};

// A clock that moves on by a set step each time it is read.
class SteppingClock : public SystemClock {
public:
    SteppingClock(Moment start, int secondsPerRead) : now_(start), step_(secondsPerRead) {}
    int reads = 0;
    ClockReading Now() override
    {
        ClockReading reading;
        reading.local = now_;
        ++reads;
        int s = now_.second + step_;
        now_ = Moment::FromCivil(now_.year, now_.month, now_.day, now_.hour, now_.minute + s / 60, s % 60);
        return reading;
    }

private:
    Moment now_;
    int step_;
};

class RecordingRunner : public LaunchRunner {
public:
    std::vector<std::u16string> opened;
    void RunAndWait(const std::u16string& file) override { opened.push_back(file); }
};

const Moment kMonday0705 = Moment::FromCivil(2020, 4, 27, 7, 5, 0);

TEST(Weekdays, TextBuiltAndMatched)
{
    EXPECT_EQ(Weekdays::TextOf({false, true, false, true, false, true, false}), u" 月 水 金");
    EXPECT_EQ(Weekdays::TextOf({}), u"");
    const Weekdays::Choice all{true, true, true, true, true, true, true};
    EXPECT_EQ(Weekdays::ChoiceOf(Weekdays::kEveryDay), all);
    EXPECT_EQ(Weekdays::ChoiceOf(u"土日"), (Weekdays::Choice{true, false, false, false, false, false, true}));
}

TEST(DueLaunches, OpensTickedDueRowsInListOrder)
{
    SteppingClock clock(kMonday0705, 0);
    RecordingRunner runner;
    const std::vector<LaunchEntry> rows = {{u"a.qel", u"7", u"5", u" 月", true},
                                           {u"unticked.qel", u"7", u"5", u"月", false},
                                           {u"hour.qel", u"8", u"5", u"月", true},
                                           {u"minute.qel", u"7", u"6", u"月", true},
                                           {u"weekday.qel", u"7", u"5", u"火", true},
                                           {u"empty-day.qel", u"7", u"5", u"", true},
                                           {u"b.qel", u"07", u"05", u"日 月 火 水 木 金 土", true},
                                           {u"bad.qel", u"7.0", u"5", u"月", true},
                                           {u"a.qel", u"7", u"5", u"月", true}};
    RunDueLaunches(rows, u"C:\\Duv\\Qel.exe", clock, runner);
    EXPECT_EQ(runner.opened, (std::vector<std::u16string>{u"a.qel", u"b.qel", u"a.qel"}));
}

TEST(DueLaunches, NothingWithoutTheSiblingTool)
{
    SteppingClock clock(kMonday0705, 0);
    RecordingRunner runner;
    RunDueLaunches({{u"a.qel", u"7", u"5", u"月", true}}, u"", clock, runner);
    EXPECT_TRUE(runner.opened.empty());
}

TEST(DueLaunches, ClockIsReadAfreshForEachComparison)
{
    // Each reading is 20 s later: the minute is over before the third row is looked at.
    SteppingClock clock(kMonday0705, 20);
    RecordingRunner runner;
    const std::vector<LaunchEntry> rows(3, LaunchEntry{u"a.qel", u"7", u"5", u"月", true});
    RunDueLaunches(rows, u"Qel.exe", clock, runner);
    EXPECT_EQ(runner.opened.size(), 1u);
    EXPECT_GE(clock.reads, 4);
}

TEST(QelTool, FolderOfPathAndTheShellCalls)
{
    EXPECT_EQ(QelTool::FolderOfPath(u"C:\\Scripts\\daily.qel"), u"C:\\Scripts");
    EXPECT_EQ(QelTool::FolderOfPath(u"C:\\daily.qel"), u"C:\\");
    EXPECT_EQ(QelTool::FolderOfPath(u"daily.qel"), u"");
    EXPECT_EQ(QelTool::FolderOfPath(u"C:daily.qel"), u"C:");
    EXPECT_EQ(QelTool::FolderOfPath(u"\\\\srv\\share\\a.qel"), u"\\\\srv\\share");

    struct Call {
        std::u16string file, parameters, folder;
        int show;
    };
    class RecordingShell : public ShellRunner {
    public:
        std::vector<Call> calls;
        long ShellOpen(WindowHandle, const std::u16string& file, const std::u16string& parameters,
                       const std::u16string& folder, int show) override
        {
            calls.push_back({file, parameters, folder, show});
            return 42;
        }
    } shell;
    QelTool::EditScript(shell, 1, u"C:\\Duv\\Qel.exe", u"C:\\My Scripts\\a.qel");
    QelTool::OpenScript(shell, 0, u"a.qel");
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].parameters, u"/e \"C:\\My Scripts\\a.qel\"");
    EXPECT_EQ(shell.calls[0].folder, u"C:\\Duv");
    EXPECT_EQ(shell.calls[0].show, 10);
    EXPECT_EQ(shell.calls[1].file, u"a.qel");
    EXPECT_EQ(shell.calls[1].folder, u"");

    FakeFileSystem files;
    EXPECT_EQ(QelTool::GetQelExePath(files, u"C:\\Duv\\"), u"");
    files.AddFile(u"C:\\Duv\\Qel.exe");
    EXPECT_EQ(QelTool::GetQelExePath(files, u"C:\\Duv\\"), u"C:\\Duv\\Qel.exe");
}

class LaunchPageTest : public ::testing::Test {
protected:
    LaunchPageTest() : page(files, dialogs)
    {
        files.AddFile(u"C:\\S\\job.qel");
        files.AddFile(u"C:\\S\\notes.txt");
        page.ApplyShownState(true);
    }
    FakeFileSystem files;
    FakeDialogs dialogs;
    LaunchPage page;
};

TEST_F(LaunchPageTest, ShownStateWithAndWithoutTheTool)
{
    EXPECT_TRUE(page.Enabled().page);
    EXPECT_TRUE(page.Enabled().editor);
    EXPECT_FALSE(page.Enabled().add || page.Enabled().remove || page.Enabled().modify || page.Enabled().launch ||
                 page.Enabled().fileEdit);
    page.ApplyShownState(false);
    EXPECT_FALSE(page.Enabled().page);
    EXPECT_FALSE(page.Enabled().editor);
    EXPECT_TRUE(page.Enabled().greyed);
}

TEST_F(LaunchPageTest, AnyExistingFileEnablesAddAndAddingBuildsTheRow)
{
    page.EditQelChange(u"C:\\S\\missing.qel");
    EXPECT_FALSE(page.Enabled().add);
    EXPECT_FALSE(page.Enabled().editor);
    page.EditQelChange(u"C:\\S\\notes.txt");
    EXPECT_TRUE(page.Enabled().add);
    EXPECT_TRUE(page.Enabled().fileEdit);
    page.UDQelHClick(7);
    page.UDQelMClick(5);
    page.SetDay(1, true);
    page.SetDay(3, true);
    page.BtnQelAddClick();
    ASSERT_EQ(page.Rows().size(), 1u);
    EXPECT_EQ(page.Rows()[0], (LaunchEntry{u"C:\\S\\notes.txt", u"7", u"5", u" 月 水", true}));
    EXPECT_EQ(page.FileText(), u"");
    EXPECT_FALSE(page.Enabled().add);
    EXPECT_FALSE(page.Enabled().editor);
    EXPECT_EQ(page.Hour(), 7);
    EXPECT_TRUE(page.Days()[1]);
    EXPECT_EQ(page.Selected(), -1);
}

TEST_F(LaunchPageTest, SelectionEnablesDeleteModifyAndLaunchForAnExistingFile)
{
    page.SetRows({{u"C:\\S\\job.qel", u"1", u"2", u"", true}, {u"C:\\S\\gone.qel", u"1", u"2", u"", true}});
    page.ListViewQelSelectItem(0);
    EXPECT_TRUE(page.Enabled().remove && page.Enabled().modify && page.Enabled().launch);
    page.ListViewQelSelectItem(1);
    EXPECT_TRUE(page.Enabled().remove && page.Enabled().modify);
    EXPECT_FALSE(page.Enabled().launch);
    page.BtnQelDelClick();
    EXPECT_EQ(page.Rows().size(), 1u);
    EXPECT_FALSE(page.Enabled().remove);
    page.BtnQelDelClick();
    EXPECT_EQ(page.Rows().size(), 1u) << "nothing selected: nothing deleted";
}

TEST_F(LaunchPageTest, ModifyTakesTheRowBackIntoTheEditor)
{
    page.SetRows({{u"C:\\S\\job.qel", u"30", u"05", u"日 月 火 水 木 金 土", false}, {u"x", u"1", u"1", u"", true}});
    page.ListViewQelSelectItem(0);
    page.BtnQelEditClick();
    EXPECT_EQ(page.FileText(), u"C:\\S\\job.qel");
    EXPECT_TRUE(page.Enabled().add);
    EXPECT_EQ(page.Hour(), 23);
    EXPECT_EQ(page.Minute(), 5);
    EXPECT_EQ(page.Days(), (Weekdays::Choice{true, true, true, true, true, true, true}));
    EXPECT_EQ(page.Rows().size(), 1u);
    EXPECT_FALSE(page.Enabled().modify);
    page.BtnQelAddClick();
    EXPECT_EQ(page.Rows().back(), (LaunchEntry{u"C:\\S\\job.qel", u"23", u"5", u" 日 月 火 水 木 金 土", true}));
}

TEST_F(LaunchPageTest, PendingEntryIsAskedAbout)
{
    page.SetRows({{u"C:\\S\\job.qel", u"1", u"2", u"", true}});
    page.EditQelChange(u"C:\\S\\notes.txt");
    page.ListViewQelSelectItem(0);
    dialogs.answers = {false};
    page.BtnQelEditClick();
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], u"C:\\S\\notes.txtを\r\n追加しなくてよろしいですか？");
    EXPECT_EQ(page.Rows().size(), 1u) << "No changes nothing";
    dialogs.answers = {false};
    page.BtnQelRefClick(u"C:\\S");
    EXPECT_EQ(dialogs.questions[1], u"C:\\S\\notes.txtを\r\n追加しなくてもよろしいですか？");
    EXPECT_TRUE(dialogs.picks.empty()) << "No opens no picker";
}

TEST_F(LaunchPageTest, PickerTakesOnlyQelFiles)
{
    dialogs.pick = u"C:\\S\\Job.QEL";
    page.BtnQelRefClick(u"C:\\Last");
    ASSERT_EQ(dialogs.picks.size(), 1u);
    EXPECT_EQ(dialogs.picks[0].title, u"Qel実行ファイル");
    EXPECT_EQ(dialogs.picks[0].folder, u"C:\\Last");
    EXPECT_EQ(dialogs.picks[0].filterPattern, u"*.qel");
    EXPECT_EQ(page.FileText(), u"C:\\S\\Job.QEL");
    page.EditQelChange(u"");
    dialogs.pick = u"C:\\S\\job.txt";
    page.BtnQelRefClick(u"C:\\Last");
    EXPECT_EQ(page.FileText(), u"");
}

} // namespace
