#include "sysutil/Mnx_win.h"

#include <shellapi.h>

#include <algorithm>
#include <map>
#include <vector>

#include "sysutil/DevicePath.h"
#include "sysutil/PlatformVersion.h"
#include "sysutil/SystemLibrary_win.h"
#include "sysutil/WideText_win.h"
#include "sysutil/WindowSystem_win.h"

namespace {

constexpr DWORD kModulePathUnits = 260;

// The two process-status queries, from the library loaded by its full path.
struct ProcessStatusLibrary {
    using ModuleFileNameEx = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
    using ProcessImageFileName = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD);

    static ProcessStatusLibrary& Instance()
    {
        static ProcessStatusLibrary library;
        return library;
    }

    ModuleFileNameEx moduleFileNameEx = SystemFunction<ModuleFileNameEx>(L"Psapi.dll", "GetModuleFileNameExW");
    ProcessImageFileName processImageFileName =
        SystemFunction<ProcessImageFileName>(L"Psapi.dll", "GetProcessImageFileNameW");
};

std::u16string DosDeviceOf(char16_t letter)
{
    const wchar_t drive[3] = {static_cast<wchar_t>(letter), L':', 0};
    wchar_t device[kModulePathUnits + 1] = {};
    return QueryDosDeviceW(drive, device, kModulePathUnits) ? U16(device) : std::u16string();
}

std::u16string QueryProgramPath(HANDLE process)
{
    ProcessStatusLibrary& psapi = ProcessStatusLibrary::Instance();
    wchar_t buffer[kModulePathUnits + 1] = {};
    if (psapi.moduleFileNameEx && psapi.moduleFileNameEx(process, nullptr, buffer, kModulePathUnits) > 0)
        return U16(buffer);
    if (!psapi.processImageFileName)
        return {};
    psapi.processImageFileName(process, buffer, kModulePathUnits);
    return MapDevicePathToDrive(U16(buffer), GetLogicalDrives(), DosDeviceOf);
}

HWND FindStartButton()
{
    const HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    return tray ? FindWindowExW(tray, nullptr, L"Button", nullptr) : nullptr;
}

bool SetForegroundByAttaching(HWND window)
{
    const DWORD foreThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetWindowThreadProcessId(window, nullptr);
    if (!AttachThreadInput(ownThread, foreThread, TRUE))
        return false;
    BringWindowToTop(window);
    SetForegroundWindow(window);
    AttachThreadInput(ownThread, foreThread, FALSE);
    return GetForegroundWindow() == window;
}

void SetForegroundWithoutLockTimeout(HWND window)
{
    DWORD saved = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &saved, 0);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(saved)),
                          SPIF_SENDCHANGE);
}

} // namespace

bool SendTextBounded(HWND window, const std::u16string& text)
{
    const std::wstring wide = Wide(text);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, kTitleWriteTimeoutMs, &result) != 0;
}

std::u16string GetSystemFolder()
{
    const UINT needed = GetSystemDirectoryW(nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring buffer(needed, L'\0');
    if (GetSystemDirectoryW(buffer.data(), needed) == 0)
        return {};
    return U16(buffer.c_str()) + u"\\";
}

HMODULE LoadSystemLibrary(const wchar_t* fileName)
{
    const std::u16string folder = GetSystemFolder();
    if (folder.empty())
        return nullptr;
    return LoadLibraryW((Wide(folder) + fileName).c_str());
}

HMODULE LoadSystemLibraryOnce(const wchar_t* fileName)
{
    static std::map<std::wstring, HMODULE> loaded;
    const auto it = loaded.find(fileName);
    if (it != loaded.end())
        return it->second;
    return loaded[fileName] = LoadSystemLibrary(fileName);
}

void RestrictDllSearchToSystemFolder()
{
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    SetDllDirectoryW(L"");
}

std::u16string GetWindowProgramPath(HWND window)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    const std::u16string path = QueryProgramPath(process);
    if (process)
        CloseHandle(process);
    return path;
}

std::u16string OwnProgramFolder()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::u16string path = U16(buffer);
    return path.substr(0, path.find_last_of(u"\\:") + 1);
}

bool IsWindowsXPFamily()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#if defined(_MSC_VER)
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExW(&info))
        return false;
    return IsXPFamilyVersion(info.dwMajorVersion, info.dwMinorVersion);
}

int GetWindowMonitorIndex(HWND window)
{
    static std::vector<HMONITOR> monitors;
    const HMONITOR target = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    const auto listed = [&] { return std::find(monitors.begin(), monitors.end(), target) != monitors.end(); };
    if (!listed()) {
        monitors.clear();
        EnumDisplayMonitors(
            nullptr, nullptr,
            [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
                reinterpret_cast<std::vector<HMONITOR>*>(list)->push_back(monitor);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&monitors));
    }
    int result = 0;
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        if (monitors[i] == target)
            result = static_cast<int>(i);
    }
    return result;
}

bool ForceForegroundWindow(HWND window)
{
    if (GetForegroundWindow() == window)
        return true;
    if (!SetForegroundByAttaching(window))
        SetForegroundWithoutLockTimeout(window);
    return GetForegroundWindow() == window;
}

std::u16string GetStartButtonText()
{
    const HWND button = FindStartButton();
    if (!button)
        return {};
    wchar_t buffer[kTitleBufferUnits + 2] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(button, WM_GETTEXT, kTitleBufferUnits, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, 200, &copied))
        return {};
    return U16(buffer);
}

bool SetStartButtonText(const std::u16string& text)
{
    const HWND button = FindStartButton();
    if (!button)
        return false;
    SendTextBounded(button, text);
    PostMessageW(button, WM_SETFOCUS, 0, 0);
    PostMessageW(button, WM_KILLFOCUS, 0, 0);
    return true;
}

long Win32ShellRunner::ShellOpen(WindowHandle owner, const std::u16string& file, const std::u16string& parameters,
                                 const std::u16string& folder, int show)
{
    const HINSTANCE result = ShellExecuteW(reinterpret_cast<HWND>(owner), nullptr, Wide(file).c_str(),
                                           Wide(parameters).c_str(), Wide(folder).c_str(), show);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}
