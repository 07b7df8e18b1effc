// The settings window of the real program, worked through its controls.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "StampText.h"
#include "TestWindow.h"
#include "WindowDriver.h"
#include "settings/ControlIds.h"

namespace {

// A fresh profile and a running Duv.exe with its settings window found.
struct Running {
    explicit Running(const std::wstring& exe = DuvProcess::DefaultPath) : duv(exe)
    {
        form = duv.WaitForForm(10000);
        CHECK(form != nullptr);
    }
    HWND Control(int id) const
    {
        const HWND control = FindControl(form, id);
        CHECK_MSG(control != nullptr, "control " << id);
        return control;
    }
    void Open() const { CHECK(OpenSettingsWindow(form)); }
    bool Hidden() const
    {
        return e2e::WaitUntil([&] { return !IsWindowVisible(form); }, 5000);
    }
    std::wstring AwaitMessage(int answer) const
    {
        const HWND box = WaitForMessageBox(duv.Id(), 5000);
        CHECK_MSG(box != nullptr, "no message box came up");
        const std::wstring text = MessageBoxText(box);
        Answer(box, answer);
        CHECK(e2e::WaitUntil([&] { return !IsWindow(box); }, 5000));
        return text;
    }

    DuvProcess duv;
    HWND form = nullptr;
};

void FreshStart()
{
    KillAllDuvInstances();
    RemoveProfile();
}

std::string IniBytes()
{
    std::string bytes;
    ReadFileBytes(IniPath(), bytes);
    return bytes;
}

} // namespace

E2E_CASE(SecondStartShowsTheWindowAndEndsWithCodeZero)
{
    FreshStart();
    Running first;
    CHECK(!IsWindowVisible(first.form));
    DuvProcess second;
    DWORD exitCode = 99;
    CHECK(second.WaitForExit(10000, &exitCode));
    CHECK_MSG(exitCode == 0, "exit code " << exitCode);
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(first.form) && GetForegroundWindow() == first.form; }, 5000));
    CHECK(first.duv.Running());
}

E2E_CASE(OpeningTheWindowRemovesTheStampAtOnce)
{
    FreshStart();
    TestWindow window(L"E2E Open");
    CHECK(window.Foreground());
    Running duv;
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    duv.Open();
    CHECK_TEXT(window.Title(), L"E2E Open");
    Sleep(2000);
    CHECK_TEXT(window.Title(), L"E2E Open");
}

E2E_CASE(OkOnAFreshProfileWritesTheDefaultFile)
{
    FreshStart();
    Running duv;
    duv.Open();
    Click(duv.Control(IDC_BTNOK));
    CHECK(duv.Hidden());
    CHECK(e2e::WaitUntil([&] { return !IniBytes().empty(); }, 5000));
    CHECK_MSG(IniBytes() == Utf16LeWithBom(kDefaultIniText), e2e::Utf8(ReadIniText()));
}

E2E_CASE(CancelThrowsTheEditAwayAndOkKeepsIt)
{
    FreshStart();
    WriteIni(kDefaultIniText);
    const std::string before = IniBytes();
    TestWindow window(L"E2E Edits");
    Running duv;
    duv.Open();
    Click(duv.Control(IDC_CHKCAPEXE));
    CHECK(e2e::WaitUntil([&] { return IsChecked(duv.Control(IDC_CHKCAPEXE)); }, 3000));
    Click(duv.Control(IDC_BTNCANCEL));
    CHECK(duv.Hidden());
    CHECK(IniBytes() == before);
    // The file is read again once the window is hidden.
    CHECK(e2e::WaitUntil([&] { return !IsChecked(duv.Control(IDC_CHKCAPEXE)); }, 3000));

    duv.Open();
    Click(duv.Control(IDC_CHKCAPEXE));
    CHECK(e2e::WaitUntil([&] { return IsChecked(duv.Control(IDC_CHKCAPEXE)); }, 3000));
    Click(duv.Control(IDC_BTNOK));
    CHECK(duv.Hidden());
    CHECK_MSG(ReadIniText().find(L"ExeName=1\r\n") != std::wstring::npos, e2e::Utf8(ReadIniText()));
    CHECK(window.Foreground());
    CHECK_MSG(e2e::WaitUntil([&] { return window.Title().rfind(L"DuvE2E 【", 0) == 0; }, 5000),
              e2e::Utf8(window.Title()));
}

E2E_CASE(CloseButtonEndsTheProgram)
{
    FreshStart();
    TestWindow window(L"E2E Close");
    CHECK(window.Foreground());
    Running duv;
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    duv.Open();
    Click(duv.Control(IDC_BTNCLOSE));
    DWORD exitCode = 99;
    CHECK(duv.duv.WaitForExit(10000, &exitCode));
    CHECK(exitCode == 0);
    CHECK_TEXT(window.Title(), L"E2E Close");
}

E2E_CASE(NameAddedTwiceFromTheLogIsReportedAsListed)
{
    FreshStart();
    TestWindow window(L"E2E Log");
    CHECK(window.Foreground());
    Running duv;
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    duv.Open();
    PressAltKey(duv.form, L'T');
    const HWND log = duv.Control(IDC_LISTBOXLOG);
    CHECK(e2e::WaitUntil([&] { return SendMessageW(log, LB_GETCOUNT, 0, 0) >= 1; }, 3000));
    SelectListRow(log, 0);
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(duv.Control(IDC_BTNLOG)) != FALSE; }, 3000));
    Click(duv.Control(IDC_BTNLOG));
    const HWND list = duv.Control(IDC_LISTBOX);
    CHECK(e2e::WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }, 3000));
    Click(duv.Control(IDC_BTNLOG));
    CHECK_TEXT(duv.AwaitMessage(IDOK), L"DUVE2E.EXEは登録済みです。");
    CHECK(SendMessageW(list, LB_GETCOUNT, 0, 0) == 1);
}

E2E_CASE(LaunchPageWithoutQelSaysSo)
{
    FreshStart();
    Running duv;
    duv.Open();
    PressAltKey(duv.form, L'U');
    CHECK_TEXT(duv.AwaitMessage(IDOK), L"Qelがインストールされていません。");
    CHECK(!IsWindowEnabled(duv.Control(IDC_EDITQEL)));
}

E2E_CASE(PendingLaunchEntryIsAskedAboutOnOk)
{
    FreshStart();
    const std::wstring folder = PrepareProgramFolder(L"Pending", true);
    const std::wstring script = folder + L"pending.qel";
    CHECK(WriteFileBytes(script, "script"));
    Running duv(folder + L"Duv.exe");
    duv.Open();
    PressAltKey(duv.form, L'U');
    TypeText(duv.Control(IDC_EDITQEL), script);
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(duv.Control(IDC_BTNQELADD)) != FALSE; }, 3000));
    Click(duv.Control(IDC_BTNOK));
    CHECK_TEXT(duv.AwaitMessage(IDNO), script + L"を\r\n追加しなくてよろしいですか？");
    Sleep(300);
    CHECK(IsWindowVisible(duv.form));
    Click(duv.Control(IDC_BTNOK));
    duv.AwaitMessage(IDYES);
    CHECK(duv.Hidden());
    CHECK_MSG(ReadIniText().find(L"[Qel]\r\nCount=-1\r\n") != std::wstring::npos, e2e::Utf8(ReadIniText()));
}

E2E_CASE(CopyDataIsReadWithinItsBounds)
{
    FreshStart();
    TestWindow window(L"E2E CopyData");
    CHECK(window.Foreground());
    Running duv;
    const wchar_t lower[] = L"/show";
    const wchar_t show[] = L"/Show\0more";
    SendCopyData(duv.form, lower, sizeof(lower));
    SendCopyData(duv.form, show, 6); // claims less than the text: "/Sh"
    SendCopyData(duv.form, show, 0);
    SendCopyData(duv.form, nullptr, 0);
    Sleep(500);
    CHECK(!IsWindowVisible(duv.form));
    CHECK(duv.duv.Running());
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 5000));
    SendCopyData(duv.form, show, sizeof(show));
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(duv.form) != FALSE; }, 5000));
}

// Another program holds Duv.ini open without sharing it, so that it can be neither
// read nor replaced.
E2E_CASE(FailedSaveIsReportedAndTheEditsStay)
{
    FreshStart();
    WriteIni(kDefaultIniText);
    const std::string before = IniBytes();
    Running duv;
    const HANDLE lock = CreateFileW(IniPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    CHECK(lock != INVALID_HANDLE_VALUE);
    duv.Open();
    Click(duv.Control(IDC_CHKDIALOG));
    CHECK(e2e::WaitUntil([&] { return IsChecked(duv.Control(IDC_CHKDIALOG)); }, 3000));
    Click(duv.Control(IDC_BTNOK));
    const std::wstring text = duv.AwaitMessage(IDOK);
    CloseHandle(lock);
    CHECK_MSG(text.rfind(L"設定を保存できませんでした。\r\n", 0) == 0 && text.size() > 16, e2e::Utf8(text));
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(duv.form) != FALSE; }, 3000));
    CHECK(IsChecked(duv.Control(IDC_CHKDIALOG)));
    CHECK(IniBytes() == before);
}

// A second start in the first moment of the first one: the window opens once the
// program is ready, with its clock standing.
E2E_CASE(ShowRequestDuringStartUpIsServedOnceReady)
{
    FreshStart();
    DuvProcess first;
    HWND form = nullptr;
    CHECK(e2e::WaitUntil([&] { return (form = FindWindowW(L"TDuvMainForm", nullptr)) != nullptr; }, 10000, 2));
    const wchar_t show[] = L"/Show\0";
    SendCopyData(form, show, 14);
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }, 5000));
    Sleep(2500);
    CHECK_TEXT(ControlText(form), L"Duv");
}

// Enter in a control that does not use it presses OK; Escape presses Cancel.
E2E_CASE(EnterIsOkAndEscapeIsCancel)
{
    FreshStart();
    Running duv;
    duv.Open();
    PressKey(duv.form, VK_ESCAPE);
    CHECK(duv.Hidden());
    CHECK(IniBytes().empty());
    duv.Open();
    PressKey(duv.form, VK_RETURN);
    CHECK(duv.Hidden());
    CHECK(e2e::WaitUntil([&] { return IniBytes() == Utf16LeWithBom(kDefaultIniText); }, 5000));
}

// The picker of the programs page: a program chosen there is added by its file name.
E2E_CASE(PickedProgramIsAddedByItsName)
{
    FreshStart();
    Running duv;
    duv.Open();
    PressAltKey(duv.form, L'T');
    Click(duv.Control(IDC_BTNREF));
    const HWND picker = WaitForWindow(duv.duv.Id(), L"タイトルを書き換えないプログラム", 10000);
    CHECK_MSG(picker != nullptr, "no file picker came up");
    ChooseFile(picker, L"C:\\windows\\notepad.exe");
    const HWND list = duv.Control(IDC_LISTBOX);
    CHECK(e2e::WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }, 5000));
    wchar_t name[64] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(name));
    CHECK_TEXT(name, L"notepad.exe");
}
