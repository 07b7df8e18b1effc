#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>

// Real input, as a user gives it: mouse and keyboard events put into the system's input
// stream with SendInput. They reach the window under the mouse or the window with the
// keyboard focus of the foreground window, through the program's message loop, its
// dialog keys and focus handling. The effect comes later: poll for it.

// Clicks a point of the screen once, or twice in quick succession (a double click).
void MouseClick(POINT at, bool right, int clicks);
// The centre of a window on the screen.
POINT CentreOf(HWND window);
void ClickCentre(HWND window);
void DoubleClickCentre(HWND window);
// Types each character with the key that gives it on the keyboard layout (with Shift
// where needed); "\b" is Backspace, "\t" Tab, "\r" Enter.
void TypeCharacters(const std::wstring& text);
// A key pressed while the modifiers (VK_CONTROL, VK_SHIFT, VK_MENU) are held: Ctrl+X is
// PressChord('X', {VK_CONTROL}).
void PressChord(WORD key, std::initializer_list<WORD> modifiers = {});
inline void PressTab()
{
    PressChord(VK_TAB);
}
