#include "settings/DuvMain_win.h"

#include "clock/TickSchedule.h"
#include "launcher/QelTool.h"
#include "settings/SettingsFile.h"
#include "sysutil/AnsiText_win.h"
#include "sysutil/DataFolder.h"

namespace {

constexpr const wchar_t* kFormClass = L"TDuvMainForm";
constexpr const wchar_t* kFormTitle = L"Duv";
constexpr UINT_PTR kTimerData = 1;

} // namespace

TDuvMainForm::TDuvMainForm()
    : stamper_(windows_, files_),
      tick_(stamper_, TickServices{windows_, files_, sound_, startButton_, *this, sleeper_}, [this] { RunDueLaunches(); },
            IsWindowsXPFamily())
{
}

TDuvMainForm::~TDuvMainForm()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

bool TDuvMainForm::Create(HWND owner)
{
    RegisterClassOnce(kFormClass, 0, nullptr, GetSysColorBrush(COLOR_BTNFACE));
    if (!CreateWindowOf(kFormClass, kFormTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 0,
                        CW_USEDEFAULT, CW_USEDEFAULT, 640, 420, owner, nullptr))
        return false;
    FormCreate();
    return true;
}

void TDuvMainForm::FormCreate()
{
    MLastDir = SettingsFile::ReadQelLastDir(files_, DecodeAnsi, DataFolder);
    stamper_.Reset(reinterpret_cast<WindowHandle>(hwnd_));
    LoadSettings();
    SetTimerDataEnabled(true);
}

void TDuvMainForm::LoadSettings()
{
    SettingsFile::LoadSettings(files_, DecodeAnsi, DataFolder + SettingsFile::kFileName, options_);
}

// The rows are looked at as they stand when the check starts.
void TDuvMainForm::RunDueLaunches()
{
    ::RunDueLaunches(options_.Qel, QelTool::GetQelExePath(files_, OwnProgramFolder()), clock_, qelRunner_);
}

void TDuvMainForm::EndClock()
{
    if (!timerDataEnabled_)
        return;
    SetTimerDataEnabled(false);
    stamper_.RestoreTitle(options_, stamper_.LastStamped());
}

LRESULT TDuvMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimerData)
            TimerDataTimer();
        return 0;
    case WM_QUERYENDSESSION:
        return FormCloseQuery();
    case WM_ENDSESSION:
        if (wParam)
            EndClock();
        return 0;
    case WM_CLOSE:
        if (FormCloseQuery())
            DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        EndClock();
        PostQuitMessage(0);
        return 0;
    default:
        return WindowBase::HandleMessage(message, wParam, lParam);
    }
}

void TDuvMainForm::TimerDataTimer()
{
    tick_.TimerDataTimer(options_, clock_.Now());
    if (timerDataEnabled_)
        ArmTimerData();
}

// A started clock ticks at once, then just after each whole second.
void TDuvMainForm::SetTimerDataEnabled(bool enabled)
{
    timerDataEnabled_ = enabled;
    if (enabled)
        SetTimer(hwnd_, kTimerData, USER_TIMER_MINIMUM, nullptr);
    else
        KillTimer(hwnd_, kTimerData);
}

// Each tick re-arms the timer for just after the next whole second.
void TDuvMainForm::ArmTimerData()
{
    SetTimer(hwnd_, kTimerData, static_cast<UINT>(TickSchedule::DelayToNextTick(clock_.Now().millisecond)), nullptr);
}

bool TDuvMainForm::FormCloseQuery()
{
    SetStartButtonText(kStartCaption);
    return true;
}
