// Program entry: the data folder, one instance per log-on, the settings window
// created hidden, and the message loop.
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "settings/DuvMain_win.h"
#include "shell/ApplicationWindow_win.h"
#include "shell/SingleInstance.h"
#include "sysutil/DataFolder.h"
#include "sysutil/FileSystem_win.h"
#include "sysutil/Mnx_win.h"
#include "sysutil/WideText_win.h"

namespace {

// A second start asks the running instance to show its settings window.
void SendShowRequest()
{
    const HWND form = FindWindowW(WideConstant(SingleInstance::kFormClass), WideConstant(SingleInstance::kFormTitle));
    if (!form)
        return;
    COPYDATASTRUCT request{};
    request.dwData = static_cast<ULONG_PTR>(__argc > 0 ? __argc - 1 : 0);
    request.cbData = static_cast<DWORD>(SingleInstance::kShowRequestBytes);
    request.lpData = const_cast<char16_t*>(SingleInstance::kShowRequestData);
    SendMessageW(form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request));
}

int RunMessageLoop(TDuvMainForm& form)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.PreTranslateMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictDllSearchToSystemFolder();
    Win32FileSystem files;
    if (!PrepareDataFolder(files, u"Qel", false))
        return 0;
    if (const HANDLE running = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, WideConstant(SingleInstance::kMutexName))) {
        CloseHandle(running);
        SendShowRequest();
        return 0;
    }
    CreateMutexW(nullptr, FALSE, WideConstant(SingleInstance::kMutexName));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    {
        ApplicationWindow application;
        TDuvMainForm form(application);
        if (application.Create() && form.Create()) {
            RunMessageLoop(form);
            form.EndClock();
        }
    }
    DataFolder.clear();
    return 0;
}
