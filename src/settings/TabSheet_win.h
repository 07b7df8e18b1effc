#pragma once
#include "sysutil/WindowBase_win.h"

// One page of the settings window: a plain container in the tab control's display
// area that hands its controls' notifications to the window.
class TabSheet : public WindowBase {
public:
    bool Create(HWND pageControl, HWND form, int id);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND form_ = nullptr;
};
