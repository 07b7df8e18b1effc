// The settings window's controls: made from the layout table, placed and given their
// fonts for the monitor's DPI, and read and written through small helpers.
#include "settings/DuvMain_win.h"

#include <commctrl.h>

#include <vector>

#include "clock/ClockTexts.h"
#include "controls/MnNumEdit_win.h"
#include "settings/NumberBoxes.h"
#include "settings/OptionKeys.h"
#include "sysutil/WideText_win.h"

namespace {

using FormLayout::ControlPlace;
using FormLayout::Kind;

struct ClassAndStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

ClassAndStyle ClassOf(Kind kind)
{
    switch (kind) {
    case Kind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case Kind::DefaultButton: return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case Kind::Check: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
    case Kind::FirstRadio: return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0};
    case Kind::Radio: return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
    case Kind::Group: return {L"BUTTON", BS_GROUPBOX | WS_GROUP, 0};
    case Kind::Label: return {L"STATIC", SS_LEFT | WS_GROUP, 0};
    case Kind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case Kind::NumberBox:
    case Kind::ReadOnlyNumber: return {TMnNumEdit::kClassName, WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case Kind::DropDown: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP, 0};
    case Kind::ListBox:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE};
    case Kind::ListView:
        return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP | WS_GROUP,
                WS_EX_CLIENTEDGE};
    case Kind::UpDown: return {UPDOWN_CLASSW, UDS_WRAP | UDS_ARROWKEYS | WS_TABSTOP | WS_GROUP, 0};
    }
    return {L"STATIC", 0, 0};
}

struct UpDownRange {
    int id;
    OptionKeys::Range range;
    int position;
};

// The ranges and first positions of the up-down buttons: those of the options they
// show, and the launch editor's hour and minute, which start at 0.
std::vector<UpDownRange> UpDownRanges()
{
    const auto option = [](int id, int Options::*field) {
        const OptionKeys::OptionKey& key = OptionKeys::Of(field);
        return UpDownRange{id, key.range, key.defaultValue};
    };
    return {option(IDC_UDWHISTLE, &Options::WhistleTime), option(IDC_UDALARM, &Options::AlarmTime),
            option(IDC_UDHOUR, &Options::AlarmHour),      option(IDC_UDMIN, &Options::AlarmMin),
            {IDC_UDQELH, OptionKeys::kHours, 0},          {IDC_UDQELM, OptionKeys::kMinutes, 0}};
}

struct Column {
    const wchar_t* caption;
    int width;
    int format;
};

constexpr Column kLaunchColumns[] = {{L"Qel実行ファイル", 380, LVCFMT_LEFT},
                                     {L"(時)", 50, LVCFMT_RIGHT},
                                     {L"(分)", 50, LVCFMT_RIGHT},
                                     {L"曜日", 150, LVCFMT_LEFT}};

UINT DpiOf(HWND hwnd)
{
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow)
        return getDpiForWindow(hwnd);
    const HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::wstring MenuFontFace()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
        metrics.cbSize = sizeof(metrics) - sizeof(metrics.iPaddedBorderWidth);
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return L"MS UI Gothic";
    }
    return metrics.lfMenuFont.lfFaceName;
}

HFONT MakeFont(const wchar_t* face, int height, BYTE charSet)
{
    return CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

bool IsNumberBox(Kind kind)
{
    return kind == Kind::NumberBox || kind == Kind::ReadOnlyNumber;
}

// The stored properties of the window's number boxes: the length box takes up to three
// integer digits; the displays beside the up-down buttons take no typing at all.
void ConfigureNumberBox(HWND window, Kind kind)
{
    TMnNumEdit* box = TMnNumEdit::FromHandle(window);
    if (!box)
        return;
    const NumberBoxStyle style = kind == Kind::NumberBox ? LengthBoxStyle() : UpDownDisplayStyle();
    box->SetAutoSize(false);
    if (style.buttonFace)
        box->SetColor(NumEditColor::Of(SystemColor::ButtonFace));
    box->Model().SetComma(style.format.Comma);
    box->Model().SetIntegerLength(style.format.IntegerLength);
    box->Model().SetErrorBeep(style.errorBeep);
    box->Model().SetReadOnly(style.readOnly);
    box->Model().SetText(u"0");
}

} // namespace

int TDuvMainForm::Scale(int pixels) const
{
    return MulDiv(pixels, static_cast<int>(dpi_), 96);
}

HWND TDuvMainForm::Control(int id) const
{
    return id >= 0 && id < static_cast<int>(controls_.size()) ? controls_[static_cast<std::size_t>(id)] : nullptr;
}

void TDuvMainForm::CreateControls()
{
    dpi_ = DpiOf(hwnd_);
    TMnNumEdit::RegisterWindowClass();
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // The pages are children of the tab control, as a page control holds its sheets.
    const HWND tabs =
        CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TCS_HOTTRACK, 0, 0, 0, 0, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PAGECONTROL)), instance, nullptr);
    controls_[IDC_PAGECONTROL] = tabs;
    for (int page = 0; page < FormLayout::kPageCount; ++page) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPWSTR>(FormLayout::PageCaption(page));
        TabCtrl_InsertItem(tabs, page, &item);
        sheets_[static_cast<std::size_t>(page)].Create(tabs, hwnd_, IDC_TABSHEET1 + page);
        controls_[static_cast<std::size_t>(IDC_TABSHEET1 + page)] = sheets_[static_cast<std::size_t>(page)].Handle();
    }
    int count = 0;
    const ControlPlace* places = FormLayout::Controls(count);
    for (int i = 0; i < count; ++i) {
        const ControlPlace& place = places[i];
        const ClassAndStyle kind = ClassOf(place.kind);
        const HWND parent =
            place.page == FormLayout::kFormPage ? hwnd_ : sheets_[static_cast<std::size_t>(place.page)].Handle();
        controls_[static_cast<std::size_t>(place.id)] =
            CreateWindowExW(kind.exStyle, kind.className, place.text, WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0,
                            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), instance, nullptr);
        if (IsNumberBox(place.kind))
            ConfigureNumberBox(Control(place.id), place.kind);
    }
    for (const UpDownRange& upDown : UpDownRanges()) {
        SendMessageW(Control(upDown.id), UDM_SETRANGE32, static_cast<WPARAM>(upDown.range.low), upDown.range.high);
        SendMessageW(Control(upDown.id), UDM_SETPOS32, 0, upDown.position);
    }
    const HWND list = Control(IDC_LISTVIEWQEL);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int c = 0; c < 4; ++c) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = kLaunchColumns[c].format;
        column.pszText = const_cast<LPWSTR>(kLaunchColumns[c].caption);
        ListView_InsertColumn(list, c, &column);
    }
    for (int id : {IDC_CBDATE, IDC_CBTIME})
        SendMessageW(Control(id), CB_SETMINVISIBLE, 10, 0);
    for (int i = 0; i < ClockTexts::kDateFormatCount; ++i)
        SendMessageW(Control(IDC_CBDATE), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    for (int i = 0; i < ClockTexts::kTimeFormatCount; ++i)
        SendMessageW(Control(IDC_CBTIME), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    // The state the window has before any settings are loaded.
    for (int id : {IDC_CHKTRAY, IDC_CHKWHISTLE, IDC_CHKALARM})
        SetChecked(id, true);
    for (int id : {IDC_EDITCAPLENGTH, IDC_BTNDEL, IDC_BTNLOG})
        Enable(id, false);
    ApplyFonts();
    LayoutControls();
}

void TDuvMainForm::ApplyFonts()
{
    DeleteObject(font_);
    DeleteObject(numberFont_);
    font_ = MakeFont(MenuFontFace().c_str(), Scale(12), DEFAULT_CHARSET);
    numberFont_ = MakeFont(L"Times New Roman", Scale(12), SHIFTJIS_CHARSET);
    SendMessageW(Control(IDC_PAGECONTROL), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    int count = 0;
    const ControlPlace* places = FormLayout::Controls(count);
    for (int i = 0; i < count; ++i)
        SendMessageW(Control(places[i].id), WM_SETFONT,
                     reinterpret_cast<WPARAM>(IsNumberBox(places[i].kind) ? numberFont_ : font_), FALSE);
    SendMessageW(Control(IDC_LISTBOX), LB_SETITEMHEIGHT, 0, Scale(12));
}

// Only top-level windows hear of a change of the system colours; the controls are told
// too, so that they draw in the new ones.
void TDuvMainForm::ForwardSysColorChange()
{
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM) -> BOOL {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            return TRUE;
        },
        0);
}

void TDuvMainForm::LayoutControls()
{
    RECT frame{0, 0, Scale(FormLayout::kClientWidth), Scale(FormLayout::kClientHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HWND tabs = Control(IDC_PAGECONTROL);
    MoveWindow(tabs, 0, 0, Scale(FormLayout::kClientWidth), Scale(FormLayout::kPageControlHeight), FALSE);
    RECT page{0, 0, Scale(FormLayout::kClientWidth), Scale(FormLayout::kPageControlHeight)};
    TabCtrl_AdjustRect(tabs, FALSE, &page);
    for (TabSheet& sheet : sheets_)
        MoveWindow(sheet.Handle(), page.left, page.top, page.right - page.left, page.bottom - page.top, FALSE);
    int count = 0;
    const ControlPlace* places = FormLayout::Controls(count);
    for (int i = 0; i < count; ++i) {
        const ControlPlace& place = places[i];
        MoveWindow(Control(place.id), Scale(place.x), Scale(place.y), Scale(place.width), Scale(place.height), FALSE);
    }
    for (int c = 0; c < 4; ++c)
        ListView_SetColumnWidth(Control(IDC_LISTVIEWQEL), c, Scale(kLaunchColumns[c].width));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void TDuvMainForm::OnDpiChanged(UINT dpi, const RECT& suggested)
{
    dpi_ = dpi;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyFonts();
    LayoutControls();
}

bool TDuvMainForm::Checked(int id) const
{
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TDuvMainForm::SetChecked(int id, bool checked)
{
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TDuvMainForm::Enable(int id, bool enabled)
{
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

bool TDuvMainForm::IsEnabled(int id) const
{
    return IsWindowEnabled(Control(id)) != FALSE;
}

std::u16string TDuvMainForm::TextOf(int id) const
{
    const HWND control = Control(id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    return U16(text.c_str());
}

void TDuvMainForm::SetText(int id, const std::u16string& text)
{
    if (TextOf(id) != text)
        SetWindowTextW(Control(id), Wide(text).c_str());
}

int TDuvMainForm::UpDownPosition(int id) const
{
    return static_cast<int>(SendMessageW(Control(id), UDM_GETPOS32, 0, 0));
}

void TDuvMainForm::SetUpDownPosition(int id, int position)
{
    SendMessageW(Control(id), UDM_SETPOS32, 0, position);
}
