#pragma once
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <memory>
#include <string>

#include "clock/CaptionStamper.h"
#include "clock/ClockTick.h"
#include "clock/SystemClock_win.h"
#include "launcher/LaunchPage.h"
#include "launcher/QelRun_win.h"
#include "settings/ControlIds.h"
#include "settings/FormLayout_win.h"
#include "settings/Options.h"
#include "settings/TabSheet_win.h"
#include "shell/CoolTrayIcon_win.h"
#include "shell/TrayIconView.h"
#include "sysutil/Dialogs_win.h"
#include "sysutil/FileSystem_win.h"
#include "sysutil/Mnx_win.h"
#include "sysutil/Sleeper_win.h"
#include "sysutil/Sound_win.h"
#include "sysutil/WindowBase_win.h"
#include "sysutil/WindowSystem_win.h"

class ApplicationWindow;

// The program's one window: it owns the clock timer, the live option set and the
// controls that show it while the window is open.
class TDuvMainForm : public WindowBase, private TrayIconView {
public:
    explicit TDuvMainForm(ApplicationWindow& application);
    ~TDuvMainForm() override;

    // Creates the window hidden and runs its creation steps.
    bool Create();
    // Stops the clock and gives the window stamped last its own title back.
    void EndClock();
    // Keyboard handling of the open window: access keys of the pages, then the dialog keys.
    bool PreTranslateMessage(MSG& message);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(int id, int code, HWND control);
    LRESULT OnNotify(const NMHDR& header);
    void OnUpDown(HWND upDown);
    LRESULT OnControlColor(UINT message, HDC dc, HWND control);
    void OnCopyData(const COPYDATASTRUCT* data);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void OnMove();
    void OnActivate(bool active);
    void OnNextDialogControl(WPARAM wParam, LPARAM lParam);

    // Window lifecycle (DuvMain_win.cpp).
    void FormCreate();
    void ShowSettings();
    void RequestShow();
    void FormShow();
    void HideSettings();
    void FormHide();
    bool FormCloseQuery();
    void FormDestroy();
    void BtnOKClick();
    void BtnCancelClick();
    void PageControlChange();
    void SelectPage(int page);

    // The clock (DuvClock_win.cpp).
    void TimerDataTimer();
    void SetTimerDataEnabled(bool enabled);
    void ArmTimerData();
    void RunDueLaunches();
    void LoadSettings();
    bool SaveSettings();

    // The controls (FormControls_win.cpp).
    void CreateControls();
    void LayoutControls();
    void ApplyFonts();
    void ForwardSysColorChange();
    HWND Control(int id) const;
    int Scale(int pixels) const;
    bool Checked(int id) const;
    void SetChecked(int id, bool checked);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;
    std::u16string TextOf(int id) const;
    void SetText(int id, const std::u16string& text);
    int UpDownPosition(int id) const;
    void SetUpDownPosition(int id, int position);

    // The option set shown in the controls and read back from them (OptionsView_win.cpp).
    void ShowOptions(const Options& options);
    Options ReadControls() const;
    void ApplyLoadReactions(const Options& shown, const Options& loaded);

    // The display page (DisplayPage_win.cpp).
    void RewriteFormatExamples();
    void CHKCapLengthClick();
    void RadioGroupStartClick();

    // The programs page (ProgramsPage_win.cpp).
    void ShowProgramLog();
    void AddDisableProgram(const std::u16string& name);
    void BtnRefClick();
    void BtnDelClick();
    void ListBoxClick();
    void BtnLogClick();
    void ListBoxLogClick();

    // The time signal and alarm page (SignalPage_win.cpp).
    void ChkWhistleClick();
    void UDWhistleClick();
    void CHKAlarmClick();
    void ShowUpDownInBox(int upDown);
    void PickSoundFile(int editId, const char16_t* title);

    // The launch page (LaunchPage_win.cpp).
    void ShowLaunchPage();
    void ShowLaunchRows();
    void OnLaunchListChanged(const NMLISTVIEW& change);
    void BtnQelExeClick();
    void ListViewQelDblClick();
    void BtnQelNewClick();
    void BtnQelFileEditClick();
    std::u16string GetQelExePath();

    // The notification-area icon (TrayIconUse_win.cpp).
    void CreateTrayIcon();
    void TrayIconDblClick();
    void TrayIconMouseDown(TrayButton button);
    void CHKTrayClick();
    void SetButtonPictures();

    // TrayIconView
    const std::u16string& Hint() const override { return TrayIcon->Hint(); }
    void SetHint(const std::u16string& hint) override { TrayIcon->SetHint(hint); }
    void SetCycleIcons(bool cycle) override { TrayIcon->SetCycleIcons(cycle); }
    void ShowApplicationIcon() override { TrayIcon->SetIcon(applicationIcon_); }

    ApplicationWindow& application_;
    Win32WindowSystem windows_;
    Win32FileSystem files_;
    Win32SoundPlayer sound_;
    Win32StartButton startButton_;
    Win32Sleeper sleeper_;
    Win32SystemClock clock_;
    Win32ShellRunner shell_;
    Win32UserDialogs dialogs_;
    QelRunThreadRunner qelRunner_;
    Options options_;
    CaptionStamper stamper_;
    ClockTick tick_;
    LaunchPage launchPage_;
    std::unique_ptr<TCoolTrayIcon> TrayIcon;
    HIMAGELIST ImageListBell = nullptr;
    HICON ImageStop = nullptr;
    HICON applicationIcon_ = nullptr;

    std::array<TabSheet, FormLayout::kPageCount> sheets_;
    std::array<HWND, 700> controls_{};
    HFONT font_ = nullptr;
    HFONT numberFont_ = nullptr;
    HBRUSH windowBrush_ = nullptr;
    UINT dpi_ = 96;
    bool created_ = false;
    bool showRequested_ = false; // a show request came while the window was being made
    bool shown_ = false;         // the window is in its shown state
    bool everShown_ = false;     // centred on the screen the first time only
    bool inTick_ = false;
    bool FStop = false;
    bool timerDataEnabled_ = false;
    unsigned shownRowsVersion_ = ~0u;
    bool fillingLaunchList_ = false; // the list's own notifications then tell nothing new
    std::size_t shownLogEntries_ = 0;
    int MMonNo = 0;
    HWND lastFocus_ = nullptr;
    std::u16string MLastDir;
};
