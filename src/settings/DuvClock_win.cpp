// The settings window's clock: the one-second timer, the due check, and the settings
// file behind the option set the tick reads.
#include "settings/DuvMain_win.h"

#include "clock/TickSchedule.h"
#include "launcher/QelTool.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRules.h"
#include "sysutil/AnsiText_win.h"
#include "sysutil/DataFolder.h"

namespace {

constexpr UINT_PTR kTimerData = 1;

std::u16string SettingsPath()
{
    return DataFolder + SettingsFile::kFileName;
}

} // namespace

void TDuvMainForm::EndClock()
{
    if (!timerDataEnabled_)
        return;
    SetTimerDataEnabled(false);
    stamper_.RestoreTitle(options_, stamper_.LastStamped());
}

void TDuvMainForm::TimerDataTimer()
{
    if (!timerDataEnabled_ || inTick_)
        return;
    inTick_ = true;
    tick_.TimerDataTimer(options_, clock_.Now());
    inTick_ = false;
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

void TDuvMainForm::ArmTimerData()
{
    SetTimer(hwnd_, kTimerData, static_cast<UINT>(TickSchedule::DelayToNextTick(clock_.Now().millisecond)), nullptr);
}

// The rows are looked at as they stand when the check starts.
void TDuvMainForm::RunDueLaunches()
{
    ::RunDueLaunches(options_.Qel, GetQelExePath(), clock_, qelRunner_);
}

std::u16string TDuvMainForm::GetQelExePath()
{
    return QelTool::GetQelExePath(files_, OwnProgramFolder());
}

// The file's values go into the option set the tick reads and into the controls;
// a file that cannot be read leaves both as they are.
void TDuvMainForm::LoadSettings()
{
    const Options shown = ReadControls();
    Options loaded = shown;
    if (SettingsFile::LoadSettings(files_, DecodeAnsi, SettingsPath(), loaded) == SettingsFile::LoadResult::Unreadable)
        return;
    ApplyLoadReactions(shown, loaded);
    options_ = loaded;
    ShowOptions(loaded);
}

// A save that fails says why; the file on disk stays as it was.
bool TDuvMainForm::SaveSettings()
{
    const WriteResult result = SettingsFile::SaveSettings(files_, DecodeAnsi, SettingsPath(), ReadControls());
    if (!result.Ok())
        dialogs_.ShowError(std::u16string(SettingsRules::kSaveFailed) + u"\r\n" + ErrorText(result.error));
    return result.Ok();
}
