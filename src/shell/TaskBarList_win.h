#pragma once
#include <windows.h>

// The settings window's own taskbar button, through the shell's taskbar-list object.
// Without the object, adding and removing do nothing.
void InitTaskBarList();
void AddTaskBarTab(HWND window);
void DeleteTaskBarTab(HWND window);
void ReleaseTaskBarList();
