// The number boxes of the real settings window, typed into as a user types.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
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

void Type(HWND box, const std::wstring& keys)
{
    for (wchar_t c : keys) {
        if (c == L'\b')
            PostMessageW(box, WM_KEYDOWN, VK_BACK, 0);
        else
            PostMessageW(box, WM_CHAR, c, 0);
    }
}

bool ShowsText(HWND box, const std::wstring& text)
{
    return e2e::WaitUntil([&] { return ControlText(box) == text; }, 3000);
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

} // namespace

E2E_CASE(LengthBoxTakesTypingAndItsLimitCutsTheTitle)
{
    FreshStart();
    TestWindow window(L"E2E Length");
    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(OpenSettingsWindow(form));
    const HWND box = FindControl(form, IDC_EDITCAPLENGTH);
    Click(FindControl(form, IDC_CHKCAPLENGTH));
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(box) != FALSE; }, 3000));
    Type(box, L"12");
    CHECK(ShowsText(box, L"12"));
    Type(box, L"-.");
    CHECK(ShowsText(box, L"-12."));
    Type(box, L"\b3");
    CHECK(ShowsText(box, L"-123"));
    Type(box, L"4-");
    CHECK(ShowsText(box, L"123"));
    Type(box, L"\b\b\b\b3");
    CHECK(ShowsText(box, L"3"));
    Click(FindControl(form, IDC_BTNOK));
    CHECK(e2e::WaitUntil([&] { return !IsWindowVisible(form); }, 5000));
    CHECK_MSG(ReadIniText().find(L"Length=3\r\nEnabledLength=1\r\n") != std::wstring::npos, e2e::Utf8(ReadIniText()));
    CHECK(window.Foreground());
    CHECK_MSG(e2e::WaitUntil([&] { return window.Title().rfind(L"E2E 【", 0) == 0; }, 5000), e2e::Utf8(window.Title()));
}

E2E_CASE(ReadOnlyBoxTakesNoTypingButCopies)
{
    FreshStart();
    DuvProcess duv;
    const HWND form = duv.WaitForForm(10000);
    CHECK(form != nullptr);
    CHECK(OpenSettingsWindow(form));
    PressAltKey(form, L'L');
    const HWND box = FindControl(form, IDC_TXTWHISTLE);
    CHECK(ShowsText(box, L"10"));
    Type(box, L"5\b-");
    Sleep(500);
    CHECK_TEXT(ControlText(box), L"10");

    // A real click focuses the box; Ctrl+A and Ctrl+C put its text on the clipboard.
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    RECT rect{};
    GetWindowRect(box, &rect);
    Click(FindControl(form, IDC_CHKWHISTLE)); // switch the time signal on, so that the box takes the focus
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(box) != FALSE; }, 3000));
    MouseClick(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, false, 1);
    Sleep(300);
    PressKey(form, 'A', VK_CONTROL);
    PressKey(form, 'C', VK_CONTROL);
    CHECK_MSG(e2e::WaitUntil([] { return ClipboardText() == L"10"; }, 3000), e2e::Utf8(ClipboardText()));
}
