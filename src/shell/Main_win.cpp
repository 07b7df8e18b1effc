#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "settings/DuvMain_win.h"
#include "sysutil/DataFolder.h"
#include "sysutil/FileSystem_win.h"
#include "sysutil/Mnx_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictDllSearchToSystemFolder();
    Win32FileSystem files;
    if (!PrepareDataFolder(files, u"Qel", false))
        return 0;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
    {
        TDuvMainForm form;
        if (form.Create(nullptr)) {
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            form.EndClock();
        }
    }
    CoUninitialize();
    return 0;
}
