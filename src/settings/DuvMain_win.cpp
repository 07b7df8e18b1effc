// The settings window's lifecycle: creation, showing and hiding, OK, Cancel and 終 了,
// the page change, and the messages that reach the window.
#include "settings/DuvMain_win.h"

#include <commctrl.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsRules.h"
#include "shell/ApplicationWindow_win.h"
#include "shell/CopyDataText.h"
#include "shell/SingleInstance.h"
#include "shell/TaskBarList_win.h"
#include "sysutil/AnsiText_win.h"
#include "sysutil/DataFolder.h"
#include "sysutil/WideText_win.h"

namespace {

const wchar_t* const kFormClass = WideConstant(SingleInstance::kFormClass);
const wchar_t* const kFormTitle = WideConstant(SingleInstance::kFormTitle);
constexpr UINT kShowRequestMessage = WM_APP + 1;
constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

} // namespace

TDuvMainForm::TDuvMainForm(ApplicationWindow& application)
    : application_(application), stamper_(windows_, files_),
      tick_(
          stamper_, TickServices{windows_, files_, sound_, startButton_, *this, sleeper_}, [this] { RunDueLaunches(); },
          IsWindowsXPFamily()),
      launchPage_(files_, dialogs_)
{
}

TDuvMainForm::~TDuvMainForm()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    TrayIcon.reset();
    if (ImageListBell)
        ImageList_Destroy(ImageListBell);
    DeleteObject(font_);
    DeleteObject(numberFont_);
    DeleteObject(windowBrush_);
}

bool TDuvMainForm::Create()
{
    RegisterClassOnce(kFormClass, 0, LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)),
                      GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateWindowOf(kFormClass, kFormTitle, kFormStyle, kFormExStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                        application_.Handle(), nullptr))
        return false;
    dialogs_.SetOwner(hwnd_);
    application_.SetMainForm(hwnd_);
    CreateControls();
    CreateTrayIcon();
    FormCreate();
    created_ = true;
    if (showRequested_)
        ShowSettings();
    return true;
}

void TDuvMainForm::FormCreate()
{
    MLastDir = SettingsFile::ReadQelLastDir(files_, DecodeAnsi, DataFolder);
    TrayIcon->SetIcon(applicationIcon_);
    application_.TrimWindowMenu();
    EnableMenuItem(GetSystemMenu(hwnd_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED | MF_GRAYED);
    DrawMenuBar(hwnd_);
    InitTaskBarList();
    stamper_.Reset(reinterpret_cast<WindowHandle>(hwnd_));
    const bool startChoice = IsWindowsXPFamily();
    for (int id : {IDC_RADIOGROUPSTART, IDC_START0, IDC_START1, IDC_START2})
        Enable(id, startChoice);
    LoadSettings();
    TrayIcon->SetIconVisible(Checked(IDC_CHKTRAY));
    SelectPage(0);
    SetTimerDataEnabled(true);
}

void TDuvMainForm::ShowSettings()
{
    if (!shown_) {
        FormShow();
        if (!everShown_) {
            RECT work{};
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
            RECT frame{};
            GetWindowRect(hwnd_, &frame);
            SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - (frame.right - frame.left)) / 2,
                         work.top + (work.bottom - work.top - (frame.bottom - frame.top)) / 2, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            everShown_ = true;
        }
        shown_ = true;
        ShowWindow(hwnd_, SW_SHOW);
    } else if (IsIconic(hwnd_)) {
        ShowWindow(hwnd_, SW_RESTORE);
    }
    ForceForegroundWindow(hwnd_);
}

void TDuvMainForm::FormShow()
{
    ShowWindow(application_.Handle(), SW_HIDE);
    AddTaskBarTab(hwnd_);
    LoadSettings();
    RewriteFormatExamples();
    launchPage_.ApplyShownState(!GetQelExePath().empty());
    ShowLaunchPage();
    ShowProgramLog();
    if (timerDataEnabled_)
        stamper_.RestoreTitle(options_, stamper_.LastStamped());
    SetTimerDataEnabled(false);
    SetHint(u"Duv");
    if (IsEnabled(IDC_RADIOGROUPSTART) && !Checked(IDC_START0))
        SetStartButtonText(kStartCaption);
    tick_.StopFlash();
    PageControlChange();
}

void TDuvMainForm::HideSettings()
{
    ShowWindow(hwnd_, SW_HIDE);
    shown_ = false;
    FormHide();
}

void TDuvMainForm::FormHide()
{
    DeleteTaskBarTab(hwnd_);
    if (!FStop)
        SetTimerDataEnabled(true);
}

bool TDuvMainForm::FormCloseQuery()
{
    SetStartButtonText(kStartCaption);
    return true;
}

void TDuvMainForm::FormDestroy()
{
    EndClock();
    TrayIcon.reset();
    ReleaseTaskBarList();
}

// The file is written before the window goes, so that a failure is told while the
// window, with its edits, is still open and the clock still stands.
void TDuvMainForm::BtnOKClick()
{
    if (launchPage_.HasPendingEntry() && !launchPage_.ConfirmLosingPending(LaunchPage::kEditQuestion))
        return;
    if (!SaveSettings())
        return;
    HideSettings();
    LoadSettings();
    SetText(IDC_EDITQEL, u"");
}

void TDuvMainForm::BtnCancelClick()
{
    HideSettings();
    LoadSettings();
    SetText(IDC_EDITQEL, u"");
}

void TDuvMainForm::SelectPage(int page)
{
    TabCtrl_SetCurSel(Control(IDC_PAGECONTROL), page);
    PageControlChange();
}

void TDuvMainForm::PageControlChange()
{
    const HWND tabs = Control(IDC_PAGECONTROL);
    const int active = TabCtrl_GetCurSel(tabs);
    for (int page = 0; page < FormLayout::kPageCount; ++page) {
        TabCtrl_HighlightItem(tabs, page, FALSE);
        ShowWindow(sheets_[static_cast<std::size_t>(page)].Handle(), page == active ? SW_SHOW : SW_HIDE);
    }
    TabCtrl_HighlightItem(tabs, active, TRUE);
    if (active == FormLayout::kPageCount - 1 && GetQelExePath().empty())
        dialogs_.Notify(SettingsRules::kQelNotInstalled);
}

bool TDuvMainForm::PreTranslateMessage(MSG& message)
{
    if (!shown_ || !hwnd_ || (message.hwnd != hwnd_ && !IsChild(hwnd_, message.hwnd)))
        return false;
    if (message.message == WM_SYSCHAR) {
        const wchar_t key = UpperUnit(static_cast<wchar_t>(message.wParam));
        for (int page = 0; page < FormLayout::kPageCount; ++page) {
            if (FormLayout::PageMnemonic(page) == key) {
                SelectPage(page);
                SetFocus(Control(IDC_PAGECONTROL));
                return true;
            }
        }
    }
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

void TDuvMainForm::OnCopyData(const COPYDATASTRUCT* data)
{
    if (!data || CopyDataText(data->lpData, data->cbData) != SingleInstance::kShowRequestText)
        return;
    RequestShow();
}

// A request that arrives while the window is still being made, or while the tick
// waits for a worker, is served once that is over.
void TDuvMainForm::RequestShow()
{
    if (!created_)
        showRequested_ = true;
    else if (inTick_)
        PostMessageW(hwnd_, kShowRequestMessage, 0, 0);
    else
        ShowSettings();
}

LRESULT TDuvMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: TimerDataTimer(); return 0;
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBPOSITION && lParam)
            OnUpDown(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
        return OnControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case DM_GETDEFID: return MAKELRESULT(IDC_BTNOK, DC_HASDEFID);
    case WM_COPYDATA: OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam)); return 0;
    case kShowRequestMessage: RequestShow(); return 0;
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam)); return 0;
    case WM_MOVE: OnMove(); return 0;
    case WM_ACTIVATE: OnActivate(LOWORD(wParam) != WA_INACTIVE); return 0;
    case WM_NEXTDLGCTL: OnNextDialogControl(wParam, lParam); return 0;
    case WM_SYSCOLORCHANGE: ForwardSysColorChange(); return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            return 0;
        break;
    case WM_QUERYENDSESSION: return FormCloseQuery();
    case WM_ENDSESSION:
        if (wParam)
            EndClock();
        return 0;
    case WM_CLOSE:
        if (FormCloseQuery())
            DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        FormDestroy();
        PostQuitMessage(0);
        return 0;
    default: break;
    }
    return WindowBase::HandleMessage(message, wParam, lParam);
}

LRESULT TDuvMainForm::OnCommand(int id, int code, HWND)
{
    if (id >= IDC_CHKDAY0 && id <= IDC_CHKDAY6) {
        launchPage_.SetDay(id - IDC_CHKDAY0, Checked(id));
        return 0;
    }
    switch (id) {
    case IDC_BTNOK: BtnOKClick(); break;
    case IDC_BTNCANCEL: BtnCancelClick(); break;
    case IDC_BTNCLOSE: SendMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case IDC_CHKTRAY: CHKTrayClick(); break;
    case IDC_CHKCAPLENGTH: CHKCapLengthClick(); break;
    case IDC_START0:
    case IDC_START1:
    case IDC_START2: RadioGroupStartClick(); break;
    case IDC_BTNREF: BtnRefClick(); break;
    case IDC_BTNDEL: BtnDelClick(); break;
    case IDC_BTNLOG: BtnLogClick(); break;
    case IDC_LISTBOX:
        if (code == LBN_SELCHANGE)
            ListBoxClick();
        break;
    case IDC_LISTBOXLOG:
        if (code == LBN_SELCHANGE)
            ListBoxLogClick();
        break;
    case IDC_CHKWHISTLE:
    case IDC_CHKWHISTLEVOICE: ChkWhistleClick(); break;
    case IDC_CHKALARM: CHKAlarmClick(); break;
    case IDC_BTNTWHISTLEWAV: PickSoundFile(IDC_EDITWHISTLEWAV, u"時報のサウンド"); break;
    case IDC_BTNALARMWAV: PickSoundFile(IDC_EDITALARMWAV, u"アラームのサウンド"); break;
    case IDC_EDITQEL:
        if (code == EN_CHANGE) {
            launchPage_.EditQelChange(TextOf(IDC_EDITQEL));
            ShowLaunchPage();
        }
        break;
    case IDC_BTNQELREF:
        launchPage_.BtnQelRefClick(MLastDir);
        ShowLaunchPage();
        break;
    case IDC_BTNQELADD:
        launchPage_.BtnQelAddClick();
        ShowLaunchPage();
        break;
    case IDC_BTNQELDEL:
        launchPage_.BtnQelDelClick();
        ShowLaunchPage();
        break;
    case IDC_BTNQELEDIT:
        launchPage_.BtnQelEditClick();
        ShowLaunchPage();
        break;
    case IDC_BTNQELEXE: BtnQelExeClick(); break;
    case IDC_BTNQELNEW: BtnQelNewClick(); break;
    case IDC_BTNQELFILEEDIT: BtnQelFileEditClick(); break;
    default: break;
    }
    return 0;
}

LRESULT TDuvMainForm::OnNotify(const NMHDR& header)
{
    if (header.idFrom == IDC_PAGECONTROL && header.code == TCN_SELCHANGE)
        PageControlChange();
    else if (header.idFrom == IDC_LISTVIEWQEL && header.code == LVN_ITEMCHANGED)
        OnLaunchListChanged(reinterpret_cast<const NMLISTVIEW&>(header));
    else if (header.idFrom == IDC_LISTVIEWQEL && header.code == NM_DBLCLK)
        ListViewQelDblClick();
    return 0;
}

void TDuvMainForm::OnUpDown(HWND upDown)
{
    const int id = GetDlgCtrlID(upDown);
    switch (id) {
    case IDC_UDWHISTLE: UDWhistleClick(); break;
    case IDC_UDALARM:
    case IDC_UDHOUR:
    case IDC_UDMIN: ShowUpDownInBox(id); break;
    case IDC_UDQELH:
        launchPage_.UDQelHClick(UpDownPosition(id));
        ShowLaunchPage();
        break;
    case IDC_UDQELM:
        launchPage_.UDQelMClick(UpDownPosition(id));
        ShowLaunchPage();
        break;
    default: break;
    }
}

// Three edit boxes take the window colour or the button-face colour by a switch.
LRESULT TDuvMainForm::OnControlColor(UINT message, HDC dc, HWND control)
{
    bool windowColour = false;
    switch (GetDlgCtrlID(control)) {
    case IDC_EDITQEL: windowColour = !launchPage_.Enabled().greyed; break;
    case IDC_EDITWHISTLEWAV: windowColour = Checked(IDC_CHKWHISTLE); break;
    case IDC_EDITALARMWAV: windowColour = Checked(IDC_CHKALARM); break;
    default: return DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    }
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(windowColour ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(windowColour ? GetSysColorBrush(COLOR_WINDOW) : GetSysColorBrush(COLOR_BTNFACE));
}

// As a dialog does, the window gives the keyboard focus back to the control that had it,
// or to its first control.
void TDuvMainForm::OnActivate(bool active)
{
    if (!active) {
        const HWND focus = GetFocus();
        lastFocus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
        return;
    }
    HWND target = lastFocus_ && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_) ? lastFocus_ : nullptr;
    if (!target)
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target)
        SetFocus(target);
}

// As a dialog does: the focus moves to the next or the previous control of the tab
// order, or to the control named (number boxes ask this of Enter and the arrow keys).
void TDuvMainForm::OnNextDialogControl(WPARAM wParam, LPARAM lParam)
{
    const HWND target =
        LOWORD(lParam) ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (target)
        SetFocus(target);
}

void TDuvMainForm::OnMove()
{
    if (!shown_)
        return;
    const int monitor = GetWindowMonitorIndex(hwnd_);
    if (monitor == MMonNo)
        return;
    MMonNo = monitor;
    DeleteTaskBarTab(hwnd_);
    Sleep(100);
    AddTaskBarTab(hwnd_);
}
