#pragma once
#include "sysutil/WindowBase_win.h"

// The program's hidden top-level window, titled "Duv", which owns the settings window.
class ApplicationWindow : public WindowBase {
public:
    bool Create();
    void SetMainForm(HWND form) { mainForm_ = form; }
    // Left with Restore and Minimize: the items at positions 3 and 2 go.
    void TrimWindowMenu();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND mainForm_ = nullptr;
};

constexpr const wchar_t* kApplicationTitle = L"Duv";
