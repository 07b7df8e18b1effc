// The program's notification-area icon: the clock's hint, the swinging bell, a double
// click that stops and restarts the clock, the right button that opens the settings
// window, and switching the icon off.
#include "settings/DuvMain_win.h"

#include "resource.h"

namespace {

constexpr int kBellFrames = 4;
constexpr unsigned kBellFrameMilliseconds = 500;

HICON LoadIconImage(int id, int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
}

} // namespace

void TDuvMainForm::CreateTrayIcon()
{
    const int small = GetSystemMetrics(SM_CXSMICON);
    applicationIcon_ = LoadIconImage(IDI_APPLICATION_ICON, small);
    ImageStop = LoadIconImage(IDI_STOP_ICON, small);
    ImageListBell = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, kBellFrames, 0);
    for (int i = 0; i < kBellFrames; ++i) {
        const HICON frame = LoadIconImage(IDI_BELL_FIRST + i, 32);
        ImageList_AddIcon(ImageListBell, frame);
        DestroyIcon(frame);
    }
    TrayIcon = std::make_unique<TCoolTrayIcon>(application_, hwnd_);
    TrayIcon->SetIconList(ImageListBell);
    TrayIcon->SetCycleInterval(kBellFrameMilliseconds);
    TrayIcon->SetHint(u"Duv");
    TrayIcon->SetIconIndex(0);
    TrayIcon->Events().OnDblClick = [this] { TrayIconDblClick(); };
    TrayIcon->Events().OnMouseDown = [this](TrayButton button, const TrayPointer&) { TrayIconMouseDown(button); };
    SetButtonPictures();
}

void TDuvMainForm::SetButtonPictures()
{
    const int small = GetSystemMetrics(SM_CXSMICON);
    const struct {
        int control, icon;
    } pictures[] = {{IDC_BTNOK, IDI_BUTTON_OK}, {IDC_BTNCANCEL, IDI_BUTTON_CANCEL}, {IDC_BTNCLOSE, IDI_BUTTON_CLOSE}};
    for (const auto& picture : pictures)
        SendMessageW(Control(picture.control), BM_SETIMAGE, IMAGE_ICON,
                     reinterpret_cast<LPARAM>(LoadIconImage(picture.icon, small)));
}

void TDuvMainForm::TrayIconDblClick()
{
    if (shown_)
        return;
    tick_.StopFlash();
    if (!FStop) {
        TrayIcon->SetHint(u"Duv - 停止");
        TrayIcon->SetIcon(ImageStop);
        stamper_.RestoreTitle(options_, stamper_.LastStamped());
        SetStartButtonText(kStartCaption);
        SetTimerDataEnabled(false);
        FStop = true;
    } else {
        TrayIcon->SetHint(u"Duv");
        TrayIcon->SetIcon(applicationIcon_);
        SetTimerDataEnabled(true);
        FStop = false;
    }
}

void TDuvMainForm::TrayIconMouseDown(TrayButton button)
{
    if (!shown_ && button == TrayButton::mbRight)
        RequestShow();
}

// Loading the settings into the box never acts: only a click of the open window does.
void TDuvMainForm::CHKTrayClick()
{
    if (!shown_)
        return;
    TrayIcon->SetIconVisible(true);
    if (Checked(IDC_CHKTRAY))
        return;
    if (dialogs_.AskYesNo(u"トレイアイコンを非表示にしますか？")) {
        dialogs_.Notify(u"表示するには再度起動してください。");
        TrayIcon->SetIconVisible(false);
    } else {
        SetChecked(IDC_CHKTRAY, true);
        CHKTrayClick();
    }
}
