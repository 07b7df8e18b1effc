#pragma once
#include <windows.h>

#include "clock/CaptionStamper.h"
#include "clock/ClockTick.h"
#include "clock/SystemClock_win.h"
#include "launcher/QelRun_win.h"
#include "settings/Options.h"
#include "shell/TrayIconView.h"
#include "sysutil/FileSystem_win.h"
#include "sysutil/Mnx_win.h"
#include "sysutil/Sleeper_win.h"
#include "sysutil/Sound_win.h"
#include "sysutil/WindowBase_win.h"
#include "sysutil/WindowSystem_win.h"

// The program's one window: it owns the clock timer and the live option set.
class TDuvMainForm : public WindowBase, private TrayIconView {
public:
    TDuvMainForm();
    ~TDuvMainForm() override;

    // Creates the window hidden, owned by the program's hidden top-level window.
    bool Create(HWND owner);
    // Stops the clock and gives the window stamped last its own title back.
    void EndClock();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void FormCreate();
    void LoadSettings();
    void RunDueLaunches();
    void TimerDataTimer();
    void SetTimerDataEnabled(bool enabled);
    void ArmTimerData();
    bool FormCloseQuery();

    // TrayIconView
    const std::u16string& Hint() const override { return hint_; }
    void SetHint(const std::u16string& hint) override { hint_ = hint; }
    void SetCycleIcons(bool) override {}
    void ShowApplicationIcon() override {}

    Win32WindowSystem windows_;
    Win32FileSystem files_;
    Win32SoundPlayer sound_;
    Win32StartButton startButton_;
    Win32Sleeper sleeper_;
    Win32SystemClock clock_;
    QelRunThreadRunner qelRunner_;
    Options options_;
    std::u16string MLastDir;
    CaptionStamper stamper_;
    ClockTick tick_;
    bool timerDataEnabled_ = false;
    std::u16string hint_ = u"Duv";
};
