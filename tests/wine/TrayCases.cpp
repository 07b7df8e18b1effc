// The notification-area icon of the real program, seen and clicked on Wine's taskbar.
#include "DuvProcess.h"
#include "E2E.h"
#include "RealInput.h"
#include "Screenshot.h"
#include "StampText.h"
#include "TestWindow.h"
#include "TrayArea.h"
#include "WindowDriver.h"
#include "settings/ControlIds.h"

namespace {

void FreshStart()
{
    KillAllDuvInstances();
    RemoveProfile();
}

bool Shows(bool blue, bool red)
{
    return e2e::WaitUntil(
        [&] {
            const TrayColours colours = ReadTrayColours();
            return (colours.blue > 10) == blue && (colours.red > 10) == red;
        },
        5000, 100);
}

std::wstring StartButtonText()
{
    const HWND button = FindWindowExW(FindWindowW(L"Shell_TrayWnd", nullptr), nullptr, L"Button", nullptr);
    wchar_t text[64] = {};
    SendMessageW(button, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return text;
}

} // namespace

E2E_CASE(TrayIconDoubleClickStopsAndRestartsTheClock)
{
    FreshStart();
    TestWindow window(L"E2E Tray");
    CHECK(window.Foreground());
    DuvProcess duv;
    CHECK(duv.WaitForForm(10000) != nullptr);
    CHECK_MSG(Shows(true, false), "no blue icon in the notification area");
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 10000));
    SaveScreenshot(L"tray-icon");

    MouseClick(TrayIconPoint(), false, 2);
    CHECK_MSG(Shows(false, true), "the stop icon did not come");
    SaveScreenshot(L"tray-icon-stopped");
    CHECK(window.Foreground());
    CHECK_TEXT(window.Title(), L"E2E Tray");
    CHECK_TEXT(StartButtonText(), L"スタート");
    Sleep(2500);
    CHECK_TEXT(window.Title(), L"E2E Tray");

    MouseClick(TrayIconPoint(), false, 2);
    CHECK_MSG(Shows(true, false), "the application icon did not come back");
    CHECK(window.Foreground());
    CHECK(e2e::WaitUntil([&] { return HasStamp(window.Title()); }, 5000));
}

E2E_CASE(TrayIconRightButtonOpensTheSettingsWindow)
{
    FreshStart();
    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(Shows(true, false));
    MouseClick(TrayIconPoint(), true, 1);
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(form) != FALSE; }, 5000));
}

E2E_CASE(SwitchingTheTrayIconOffAsksFirst)
{
    FreshStart();
    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(Shows(true, false));
    CHECK(OpenSettingsWindow(form));
    const HWND box = FindControl(form, IDC_CHKTRAY);
    Click(box);
    HWND question = WaitForMessageBox(duv.Id(), 5000);
    CHECK(question != nullptr);
    CHECK_TEXT(MessageBoxText(question), L"トレイアイコンを非表示にしますか？");
    Answer(question, IDNO);
    CHECK(e2e::WaitUntil([&] { return IsChecked(box); }, 3000));
    CHECK(Shows(true, false));

    Click(box);
    question = WaitForMessageBox(duv.Id(), 5000);
    CHECK(question != nullptr);
    Answer(question, IDYES);
    CHECK(e2e::WaitUntil([&] { return !IsWindow(question); }, 3000));
    const HWND notice = WaitForMessageBox(duv.Id(), 5000);
    CHECK(notice != nullptr);
    CHECK_TEXT(MessageBoxText(notice), L"表示するには再度起動してください。");
    Answer(notice, IDOK);
    CHECK_MSG(Shows(false, false), "the icon stayed");
    // Cancel leaves the icon away although the box shows the stored state again.
    Click(FindControl(form, IDC_BTNCANCEL));
    CHECK(e2e::WaitUntil([&] { return !IsWindowVisible(form); }, 3000));
    CHECK(e2e::WaitUntil([&] { return IsChecked(box); }, 3000)); // reloaded after the window is hidden
    Sleep(1500);
    CHECK(Shows(false, false));
}
