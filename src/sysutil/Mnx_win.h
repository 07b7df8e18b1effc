#pragma once
#include <windows.h>

#include <string>

#include "sysutil/ShellRunner.h"
#include "sysutil/StartButton.h"

// The platform side of the program's own utilities.

// Sends WM_SETTEXT, waiting at most a bounded time for a window that does not answer.
bool SendTextBounded(HWND window, const std::u16string& text);

// The system folder with a trailing backslash; empty on failure.
std::u16string GetSystemFolder();
// Loads a DLL of the system folder by its full path only.
HMODULE LoadSystemLibrary(const wchar_t* fileName);
// Restricts the DLL search of the process to the system folder, where the platform allows it.
void RestrictDllSearchToSystemFolder();

// The program file of the process that owns a window, as a drive-letter path; empty if unknown.
std::u16string GetWindowProgramPath(HWND window);
// The folder of the program's own file, with its trailing backslash.
std::u16string OwnProgramFolder();

bool IsWindowsXPFamily();
// The place, in the platform's list of monitors, of the monitor nearest to the window.
int GetWindowMonitorIndex(HWND window);
bool ForceForegroundWindow(HWND window);

std::u16string GetStartButtonText();
bool SetStartButtonText(const std::u16string& text);

class Win32StartButton : public StartButton {
public:
    std::u16string Text() override { return GetStartButtonText(); }
    bool SetText(const std::u16string& text) override { return SetStartButtonText(text); }
};

class Win32ShellRunner : public ShellRunner {
public:
    long ShellOpen(WindowHandle owner, const std::u16string& file, const std::u16string& parameters,
                   const std::u16string& folder, int show) override;
};
