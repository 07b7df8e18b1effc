// Duv.ini written by hand changes what the running program does.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "StampText.h"
#include "TestWindow.h"

namespace {

void FreshStart()
{
    KillAllDuvInstances();
    RemoveProfile();
}

bool WaitStamped(const TestWindow& window)
{
    return e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000);
}

// A window of another program, which the driver does not own.
class NotepadProcess {
public:
    NotepadProcess()
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        wchar_t commandLine[] = L"notepad.exe";
        CHECK(CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_));
        WaitForInputIdle(info_.hProcess, 10000);
        e2e::WaitUntil([&] { return Window() != nullptr; }, 10000);
    }
    ~NotepadProcess()
    {
        TerminateProcess(info_.hProcess, 0);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
    }
    HWND Window() const
    {
        struct Search {
            DWORD pid;
            HWND found;
        } search{info_.dwProcessId, nullptr};
        EnumWindows(
            [](HWND hwnd, LPARAM p) -> BOOL {
                auto* s = reinterpret_cast<Search*>(p);
                DWORD pid = 0;
                GetWindowThreadProcessId(hwnd, &pid);
                if (pid == s->pid && IsWindowVisible(hwnd) && GetWindow(hwnd, GW_OWNER) == nullptr) {
                    s->found = hwnd;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    std::wstring Title() const
    {
        wchar_t buffer[512] = {};
        GetWindowTextW(Window(), buffer, 512);
        return buffer;
    }

private:
    PROCESS_INFORMATION info_{};
};

const wchar_t* const kFormatsIni = L"[Disp]\r\nDate=3\r\nTime=2\r\nPosition=1\r\n";

} // namespace

E2E_CASE(IniInEachEncodingChoosesFormatsAndPosition)
{
    for (const IniEncoding encoding : {IniEncoding::Utf16, IniEncoding::Utf8, IniEncoding::Ansi}) {
        FreshStart();
        WriteIni(kFormatsIni, encoding);
        TestWindow window(L"E2E Formats");
        CHECK(window.Foreground());
        DuvProcess duv;
        CHECK(WaitStamped(window));
        const std::wstring title = window.Title();
        const SYSTEMTIME now = LocalNow();
        wchar_t date[16];
        swprintf(date, 16, L"【%04d/%02d/%02d ", now.wYear, now.wMonth, now.wDay);
        CHECK_MSG(title.rfind(date, 0) == 0, e2e::Utf8(title));
        CHECK_MSG(title.size() > 21 && title.substr(20) == L"】 E2E Formats", e2e::Utf8(title));
        const int difference = (SecondOfDay(now) - StampedClockSecondOfDay(title) + 86400) % 86400;
        CHECK_MSG(difference <= 2, e2e::Utf8(title));
    }
}

E2E_CASE(ExcludedProgramIsLeftAloneWhateverTheLetterCase)
{
    FreshStart();
    std::wstring name = DriverFileName();
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(c >= L'a' && c <= L'z' ? c - 32 : (c >= L'A' && c <= L'Z' ? c + 32 : c));
    WriteIni(L"[Disable]\r\nCount=0\r\n0=" + name + L"\r\n");
    TestWindow window(L"E2E Excluded");
    NotepadProcess notepad;
    DuvProcess duv;
    SetForegroundWindow(notepad.Window());
    CHECK_MSG(e2e::WaitUntil([&] { return HasStamp(notepad.Title()); }, 10000), e2e::Utf8(notepad.Title()));
    CHECK(window.Foreground());
    Sleep(2500);
    CHECK_TEXT(window.Title(), L"E2E Excluded");
    CHECK_MSG(!HasStamp(notepad.Title()), e2e::Utf8(notepad.Title()));
}

E2E_CASE(DialogsAreLeftAloneWhenAsked)
{
    FreshStart();
    WriteIni(L"[Disable]\r\nDialog=1\r\n");
    TestWindow window(L"E2E Plain");
    TestWindow dialog(L"E2E Dialog", TestWindow::Kind::Dialog, 300, 300);
    DuvProcess duv;
    CHECK(window.Foreground());
    CHECK(WaitStamped(window));
    CHECK(dialog.Foreground());
    Sleep(2500);
    CHECK_TEXT(dialog.Title(), L"E2E Dialog");
    CHECK_TEXT(window.Title(), L"E2E Plain");
}

E2E_CASE(ProgramNameAndLengthLimitChangeTheTitle)
{
    FreshStart();
    WriteIni(L"[Disp]\r\nExeName=1\r\nTime=2\r\nDate=8\r\n");
    {
        TestWindow window(L"E2E Program Name");
        CHECK(window.Foreground());
        DuvProcess duv;
        CHECK(WaitStamped(window));
        const std::wstring title = window.Title();
        std::wstring program = DriverFileName();
        program = program.substr(0, program.rfind(L'.'));
        CHECK_MSG(title.rfind(program + L" 【", 0) == 0, e2e::Utf8(title));
        const HWND form = duv.WaitForForm(5000);
        PostMessageW(form, WM_CLOSE, 0, 0);
        CHECK(duv.WaitForExit(10000));
        CHECK_TEXT(window.Title(), L"E2E Program Name");
    }
    WriteIni(L"[Disp]\r\nEnabledLength=1\r\nLength=3\r\nTime=2\r\nDate=8\r\n");
    TestWindow window(L"E2E Length");
    CHECK(window.Foreground());
    DuvProcess duv;
    CHECK(WaitStamped(window));
    const std::wstring title = window.Title();
    CHECK_MSG(title.rfind(L"E2E 【", 0) == 0 && title.size() == 14, e2e::Utf8(title));
}

E2E_CASE(StartButtonShowsTheTimeAndGetsItsCaptionBack)
{
    FreshStart();
    WriteIni(L"[Disp]\r\nStart=2\r\n");
    const HWND button = FindWindowExW(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr, L"Button", nullptr);
    CHECK(button != nullptr);
    const auto buttonText = [&] {
        wchar_t text[64] = {};
        SendMessageW(button, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    DuvProcess duv;
    CHECK_MSG(e2e::WaitUntil([&] { return buttonText().size() == 5 && buttonText()[2] == L':'; }, 10000),
              e2e::Utf8(buttonText()));
    const SYSTEMTIME now = LocalNow();
    int hour = 0, minute = 0;
    swscanf(buttonText().c_str(), L"%d:%d", &hour, &minute);
    const int difference = (now.wHour * 60 + now.wMinute - hour * 60 - minute + 1440) % 1440;
    CHECK_MSG(difference <= 1, e2e::Utf8(buttonText()));
    const HWND form = duv.WaitForForm(5000);
    PostMessageW(form, WM_CLOSE, 0, 0);
    CHECK(duv.WaitForExit(10000));
    CHECK_TEXT(buttonText(), L"スタート");
}
