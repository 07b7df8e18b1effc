// The number boxes of the real settings window, clicked, typed into and switched away
// from with real mouse and keyboard input, as a user does.
#include "DuvProcess.h"
#include "E2E.h"
#include "Profile.h"
#include "RealInput.h"
#include "Screenshot.h"
#include "TestWindow.h"
#include "WindowDriver.h"
#include "settings/ControlIds.h"

namespace {

// No Duv running and no settings file, before the case's Duv.exe starts.
struct FreshProfile {
    FreshProfile()
    {
        KillAllDuvInstances();
        RemoveProfile();
    }
};

// The settings window of a freshly started Duv, open and in front.
struct OpenForm {
    OpenForm()
    {
        form = duv.WaitForForm(10000);
        CHECK(form != nullptr);
        CHECK(OpenSettingsWindow(form));
        BringToFront();
    }
    HWND Control(int id) const
    {
        const HWND control = FindControl(form, id);
        CHECK_MSG(control != nullptr, "control " << id);
        return control;
    }
    void BringToFront() const
    {
        CHECK(e2e::WaitUntil(
            [&] {
                SetForegroundWindow(form);
                return GetForegroundWindow() == form;
            },
            5000, 50));
    }
    // The control that has the keyboard focus in the program.
    HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &info);
        return info.hwndFocus;
    }
    bool FocusComesTo(HWND control) const
    {
        return e2e::WaitUntil([&] { return Focus() == control; }, 3000);
    }

    FreshProfile fresh; // made before duv, which starts the program
    DuvProcess duv;
    HWND form = nullptr;
};

// The length box, switched on by a click on its check box and entered with Tab.
struct LengthBox : OpenForm {
    LengthBox() : check(Control(IDC_CHKCAPLENGTH)), box(Control(IDC_EDITCAPLENGTH))
    {
        ClickCentre(check);
        CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(box) != FALSE; }, 3000));
        CHECK(FocusComesTo(check));
        PressTab();
        CHECK(FocusComesTo(box));
    }
    HWND check, box;
};

bool ShowsText(HWND box, const std::wstring& text)
{
    return e2e::WaitUntil([&] { return ControlText(box) == text; }, 3000);
}

// The selection is the whole text drawn in the selection colours.
bool ShowsSelection(HWND box, bool selected)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    return e2e::WaitUntil(
        [&] {
            const ScreenPixels shot = CaptureClientArea(box);
            int count = 0;
            for (COLORREF c : shot.colors)
                count += c == highlight ? 1 : 0;
            return (count > 0) == selected;
        },
        3000);
}

bool SetClipboardText(const std::wstring& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto* target = static_cast<wchar_t*>(GlobalLock(memory));
        text.copy(target, text.size());
        target[text.size()] = L'\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
    }
    CloseClipboard();
    return memory != nullptr;
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

// Keys are handled in the order they come: once the selection that a later key makes
// or drops shows, every key before it has been handled.
void SelectAllAndWait(HWND box)
{
    PressChord('A', {VK_CONTROL});
    CHECK(ShowsSelection(box, true));
}

void DeselectAndWait(HWND box)
{
    PressChord(VK_RIGHT);
    CHECK(ShowsSelection(box, false));
}

// How a box must look: its display text in the number font (Times New Roman, 12 pixels
// at 96 DPI, Japanese character set), right-aligned inside 2-pixel margins and centred
// on the height of "M", on the box's colour.
ScreenPixels ExpectedBox(HWND box, const std::wstring& shown, int textColor, int backColor)
{
    RECT client{};
    GetClientRect(box, &client);
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HFONT font = CreateFontW(-MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 96), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                   FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, L"Times New Roman");
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    FillRect(dc, &client, GetSysColorBrush(backColor));
    SIZE m{};
    GetTextExtentPoint32W(dc, L"M", 1, &m);
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, shown.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int x = client.right - measured.right - 2 - 1;
    const int y = (client.bottom - m.cy - 2 - 2) / 2 + 2;
    RECT at{x, y, x + measured.right, y + m.cy};
    SetTextColor(dc, GetSysColor(textColor));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, shown.c_str(), -1, &at, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX);
    const ScreenPixels expected = CapturePixels(dc, client);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(font);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return expected;
}

// Compares what the screen shows of the box with how it must look; both are saved as
// artefacts when they differ.
bool LooksAsExpected(HWND box, const std::wstring& shown, int textColor, int backColor, const std::wstring& name)
{
    const ScreenPixels expected = ExpectedBox(box, shown, textColor, backColor);
    ScreenPixels seen;
    const bool same = e2e::WaitUntil(
        [&] {
            seen = CaptureClientArea(box);
            return seen == expected;
        },
        3000, 100);
    if (!same) {
        SavePixels(seen, name + L"-seen");
        SavePixels(expected, name + L"-expected");
    }
    return same;
}

} // namespace

E2E_CASE(LengthBoxTakesTypingAndItsLimitCutsTheTitle)
{
    TestWindow window(L"E2E Length");
    LengthBox length;
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    TypeCharacters(L"-.");
    CHECK(ShowsText(length.box, L"-12."));
    TypeCharacters(L"\b3");
    CHECK(ShowsText(length.box, L"-123"));
    TypeCharacters(L"4-");
    CHECK(ShowsText(length.box, L"123"));
    TypeCharacters(L"\b\b\b\b3");
    CHECK(ShowsText(length.box, L"3"));
    ClickCentre(length.Control(IDC_BTNOK));
    CHECK(e2e::WaitUntil([&] { return !IsWindowVisible(length.form); }, 5000));
    CHECK_MSG(ReadIniText().find(L"Length=3\r\nEnabledLength=1\r\n") != std::wstring::npos, e2e::Utf8(ReadIniText()));
    CHECK(window.Foreground());
    CHECK_MSG(e2e::WaitUntil([&] { return window.Title().rfind(L"E2E 【", 0) == 0; }, 5000), e2e::Utf8(window.Title()));
}

// Entering a box by Tab selects its number, so the next digit replaces it; Tab and
// Escape stay the form's while a box has the focus.
E2E_CASE(TabIntoABoxSelectsAll)
{
    LengthBox length;
    CHECK(ShowsSelection(length.box, true));
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    CHECK(ShowsSelection(length.box, false));
    PressChord(VK_TAB, {VK_SHIFT});
    CHECK(length.FocusComesTo(length.check));
    PressTab();
    CHECK(length.FocusComesTo(length.box));
    CHECK(ShowsSelection(length.box, true));
    TypeCharacters(L"3");
    CHECK(ShowsText(length.box, L"3"));
    PressChord(VK_ESCAPE);
    CHECK(e2e::WaitUntil([&] { return !IsWindowVisible(length.form); }, 5000));
}

// The click after a double click is a click again: it takes the focus and drops the
// selection, so the next digit is appended.
E2E_CASE(DoubleClickThenClickThenTypeAppends)
{
    LengthBox length;
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    DoubleClickCentre(length.box);
    CHECK(ShowsSelection(length.box, true));
    ClickCentre(length.box);
    CHECK(ShowsSelection(length.box, false));
    TypeCharacters(L"3");
    CHECK(ShowsText(length.box, L"123"));

    // Double click, focus elsewhere, click: the box takes the focus back. The double
    // click is a little off the centre, so that it does not pair with the last click.
    POINT offCentre = CentreOf(length.box);
    offCentre.x -= 6;
    MouseClick(offCentre, false, 2);
    CHECK(ShowsSelection(length.box, true));
    PressChord(VK_TAB, {VK_SHIFT});
    CHECK(length.FocusComesTo(length.check));
    ClickCentre(length.box);
    CHECK(length.FocusComesTo(length.box));
    CHECK(ShowsSelection(length.box, false));
}

// Another program in front and back again is no leaving and entering of the box: the
// number stays unselected, a lone minus stays, and typing goes on appending.
E2E_CASE(SwitchingToAnotherWindowAndBackThenTypingAppends)
{
    TestWindow other(L"E2E Other", TestWindow::Kind::Normal, 0, 0);
    LengthBox length;
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    const auto awayAndBack = [&] {
        RECT otherRect{};
        GetWindowRect(other.Handle(), &otherRect);
        MouseClick(POINT{otherRect.left + 40, otherRect.top + 120}, false, 1);
        CHECK(e2e::WaitUntil([&] { return GetForegroundWindow() == other.Handle(); }, 3000));
        CHECK(e2e::WaitUntil([&] { return length.Focus() == nullptr; }, 3000));
        // A bare spot of the settings window, between the tray check box and OK.
        POINT spot{285, 361};
        ClientToScreen(length.form, &spot);
        MouseClick(spot, false, 1);
        CHECK(e2e::WaitUntil([&] { return GetForegroundWindow() == length.form; }, 3000));
        CHECK(length.FocusComesTo(length.box));
    };
    awayAndBack();
    CHECK(ShowsSelection(length.box, false));
    TypeCharacters(L"3");
    CHECK(ShowsText(length.box, L"123"));

    CHECK(SetClipboardText(L"-"));
    SelectAllAndWait(length.box);
    PressChord('V', {VK_CONTROL});
    CHECK(ShowsText(length.box, L"-"));
    awayAndBack();
    CHECK_TEXT(ControlText(length.box), L"-");
    TypeCharacters(L"5");
    CHECK(ShowsText(length.box, L"-5"));
}

// Leaving a box by Tab shows a lone minus as 0.
E2E_CASE(LeavingABoxWithALoneMinusShowsZero)
{
    LengthBox length;
    CHECK(SetClipboardText(L"-"));
    PressChord('V', {VK_CONTROL});
    CHECK(ShowsText(length.box, L"-"));
    PressTab();
    CHECK(ShowsText(length.box, L"0"));
    CHECK(length.Focus() != length.box);
}

E2E_CASE(CutThenPasteGivesTheNumberBack)
{
    LengthBox length;
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    SelectAllAndWait(length.box);
    PressChord('X', {VK_CONTROL});
    CHECK(ShowsText(length.box, L"0"));
    CHECK_TEXT(ClipboardText(), L"12");
    PressChord('V', {VK_CONTROL});
    CHECK(ShowsText(length.box, L"12"));
}

// While another program holds the clipboard open, a cut cannot copy, so it keeps the number.
E2E_CASE(CutKeepsTheNumberWhileTheClipboardIsHeld)
{
    LengthBox length;
    TypeCharacters(L"12");
    CHECK(ShowsText(length.box, L"12"));
    CHECK(SetClipboardText(L"55"));
    CHECK(OpenClipboard(nullptr));
    SelectAllAndWait(length.box);
    PressChord('X', {VK_CONTROL});
    DeselectAndWait(length.box);
    CloseClipboard();
    CHECK_TEXT(ControlText(length.box), L"12");
    CHECK_TEXT(ClipboardText(), L"55");
}

// A read-only box beside an up-down takes the focus and copies, but no typing,
// deleting, pasting or cutting.
E2E_CASE(ReadOnlyBoxRefusesTypingPasteAndCutButCopies)
{
    OpenForm open;
    PressAltKey(open.form, L'L');
    const HWND box = open.Control(IDC_TXTWHISTLE);
    CHECK(ShowsText(box, L"10"));
    ClickCentre(open.Control(IDC_CHKWHISTLE)); // the time signal on, so that the box takes the focus
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(box) != FALSE; }, 3000));
    ClickCentre(box);
    CHECK(open.FocusComesTo(box));
    TypeCharacters(L"5\b-.");
    CHECK(SetClipboardText(L"55"));
    SelectAllAndWait(box);
    PressChord('V', {VK_CONTROL});
    PressChord('X', {VK_CONTROL});
    PressChord(VK_DELETE);
    DeselectAndWait(box);
    CHECK_TEXT(ControlText(box), L"10");
    CHECK_TEXT(ClipboardText(), L"55");
    SelectAllAndWait(box);
    PressChord('C', {VK_CONTROL});
    CHECK_MSG(e2e::WaitUntil([] { return ClipboardText() == L"10"; }, 3000), e2e::Utf8(ClipboardText()));
}

// The boxes draw their number as the rules place it, in the colours of their state.
E2E_CASE(DrawnTextMatchesTheValue)
{
    OpenForm open;
    const HWND length = open.Control(IDC_EDITCAPLENGTH);
    CHECK(LooksAsExpected(length, L"0", COLOR_GRAYTEXT, COLOR_WINDOW, L"numedit-disabled"));
    ClickCentre(open.Control(IDC_CHKCAPLENGTH));
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(length) != FALSE; }, 3000));
    ClickCentre(length);
    CHECK(open.FocusComesTo(length));
    TypeCharacters(L"25-");
    CHECK(ShowsText(length, L"-25"));
    PressTab(); // no caret in the picture
    CHECK(LooksAsExpected(length, L"-25", COLOR_WINDOWTEXT, COLOR_WINDOW, L"numedit-length"));

    PressAltKey(open.form, L'L');
    const HWND whistle = open.Control(IDC_TXTWHISTLE);
    CHECK(e2e::WaitUntil([&] { return IsWindowVisible(whistle) != FALSE; }, 3000));
    ClickCentre(open.Control(IDC_CHKWHISTLE));
    CHECK(e2e::WaitUntil([&] { return IsWindowEnabled(whistle) != FALSE; }, 3000));
    CHECK(LooksAsExpected(whistle, L"10", COLOR_WINDOWTEXT, COLOR_BTNFACE, L"numedit-whistle"));
}
