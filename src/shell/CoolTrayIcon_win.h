#pragma once
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "shell/IconCycle.h"
#include "shell/SimpleTimer_win.h"
#include "shell/TrayClickLogic.h"

class ApplicationWindow;

// One icon in the notification area: added, changed and deleted through the shell,
// its mouse callbacks turned into events, animated through the frames of an image
// list, and added again when the taskbar comes back.
class TCoolTrayIcon : private ClickTimer {
public:
    TCoolTrayIcon(ApplicationWindow& application, HWND owner);
    ~TCoolTrayIcon() override;
    TCoolTrayIcon(const TCoolTrayIcon&) = delete;
    TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

    TrayClickLogic::Events& Events() { return clicks_.events; }
    void SetEnabled(bool enabled) { clicks_.enabled = enabled; }

    // Shows a copy of the given icon.
    void SetIcon(HICON icon);
    const std::u16string& Hint() const { return FHint; }
    void SetHint(const std::u16string& hint);
    void SetShowHint(bool showHint);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool visible);
    void SetIconList(HIMAGELIST list);
    void SetIconIndex(int index);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool cycle);
    void SetCycleInterval(unsigned interval);
    void Refresh() { Modify(); }

    // Called by the shared icon window and the application window.
    void HandleCallback(unsigned mouseMessage) { clicks_.HandleCallback(mouseMessage); }
    void TaskbarCreated();

private:
    // ClickTimer
    void Start(unsigned milliseconds) override;
    void Stop() override;
    bool Running() const override { return clickTimer_.Enabled(); }

    bool Send(DWORD message);
    bool Add();
    void Modify() { Send(NIM_MODIFY); }
    void CycleStep();
    void RetryAdd();
    void CopyFrame(int index);
    static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

    ApplicationWindow& application_;
    HWND owner_;
    UINT FIconID;
    HICON FIcon = nullptr;
    bool FIconVisible = false;
    std::u16string FHint;
    bool FShowHint = true;
    bool FCycleIcons = false;
    unsigned FCycleInterval = 0;
    HIMAGELIST FIconList = nullptr;
    IconCycle cycle_;
    TSimpleTimer cycleTimer_;
    TSimpleTimer clickTimer_;
    TSimpleTimer retryTimer_; // adds the icon again while the shell is not ready
    int retriesLeft_ = 0;
    TrayClickLogic clicks_;
    NOTIFYICONDATAW IconData{};
};
