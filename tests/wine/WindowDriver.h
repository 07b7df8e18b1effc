#pragma once
#include <windows.h>

#include <string>

// Working the settings window of the running Duv.exe from outside, as a user would.

// Sends "/Show" as a second start does; true once the window is visible.
bool OpenSettingsWindow(HWND form);
// Sends a WM_COPYDATA of any bytes, with any stated size.
void SendCopyData(HWND form, const void* data, DWORD byteCount);

// A control of the window, found by its identifier among all its descendants.
HWND FindControl(HWND form, int id);
std::wstring ControlText(HWND control);
bool IsChecked(HWND control);
// Presses a button or check box as a click does.
void Click(HWND control);
// Chooses a row of a list box and tells its window, as a click does.
void SelectListRow(HWND list, int row);
// A key, alone or with a modifier (VK_MENU, VK_CONTROL), typed into a window brought
// to the foreground.
void PressKey(HWND window, WORD key, WORD modifier = 0);
inline void PressAltKey(HWND window, wchar_t key)
{
    PressKey(window, static_cast<WORD>(key), VK_MENU);
}
// Sets an edit box's text as typing would, which tells its window of the change.
void TypeText(HWND edit, const std::wstring& text);

// A visible top-level window of the program with that title, once it is up.
HWND WaitForWindow(DWORD processId, const std::wstring& title, DWORD timeoutMs);
// A message box captioned "Duv" of the program, once it is up.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs);
// Types a path into a file-open dialog's name box and opens it.
void ChooseFile(HWND dialog, const std::wstring& path);
std::wstring MessageBoxText(HWND box);
// Answers it with the button of that identifier (IDOK, IDYES, IDNO).
void Answer(HWND box, int button);
