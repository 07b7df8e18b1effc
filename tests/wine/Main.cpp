#include <windows.h>

#include <string>

#include "DuvProcess.h"
#include "E2E.h"

namespace e2e {
int RunCase(const std::string& name);
void ListCases();
} // namespace e2e

int Measure(const std::wstring& program, int seconds);
int ShowPage(int page);

namespace {

// Paths from the Linux side arrive as /unix/paths; Wine shows them under Z:.
std::wstring WindowsPath(std::wstring path)
{
    if (!path.empty() && path[0] == L'/') {
        for (wchar_t& c : path)
            c = c == L'/' ? L'\\' : c;
        path = L"Z:" + path;
    }
    return path;
}

// Holds the session's desktop open between cases, once it is there with its taskbar
// (a plain desktop has none).
int KeepAlive(bool withShell)
{
    const HWND window =
        CreateWindowW(L"STATIC", L"DuvE2E keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (withShell)
        e2e::WaitUntil([] { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }, 60000, 100);
    e2e::Log(window ? "ready" : "no desktop");
    Sleep(INFINITE);
    return 0;
}

// Waits a while for the foreground window to carry a stamp and prints its title.
int PrintStampedTitle()
{
    wchar_t title[512] = {};
    e2e::WaitUntil(
        [&] {
            GetWindowTextW(GetForegroundWindow(), title, 512);
            return wcschr(title, L'\u3010') != nullptr;
        },
        15000, 100);
    e2e::Log(e2e::Utf8(title));
    return wcschr(title, L'\u3010') ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"keepalive")
        return KeepAlive(argc < 3 || std::wstring(argv[2]) != L"plain");
    if (command == L"measure" && argc > 3)
        return Measure(WindowsPath(argv[2]), _wtoi(argv[3]));
    if (command == L"show-page" && argc > 2)
        return ShowPage(_wtoi(argv[2]));
    if (command == L"stamped-title")
        return PrintStampedTitle();
    if (command == L"list") {
        e2e::ListCases();
        return 0;
    }
    if (command == L"run" && argc > 3) {
        DuvProcess::DefaultPath = WindowsPath(argv[3]);
        if (argc > 4)
            e2e::SetCaseArgument(_wtoi(argv[4]));
        return e2e::RunCase(e2e::Utf8(argv[2]));
    }
    e2e::Log("usage: DuvE2E.exe run CASE DUV.EXE [NUMBER] | list | keepalive | stamped-title | measure PROGRAM SECONDS "
             "| show-page N");
    return 2;
}
