#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What the screen shows of a rectangle, pixel by pixel, top row first (0x00BBGGRR).
struct ScreenPixels {
    int width = 0, height = 0;
    std::vector<COLORREF> colors;
    COLORREF At(int x, int y) const { return colors[static_cast<size_t>(y) * width + x]; }
    bool operator==(const ScreenPixels&) const = default;
};

// A rectangle of what a device context shows (the screen's: GetDC(nullptr)).
ScreenPixels CapturePixels(HDC source, const RECT& rect);
ScreenPixels CaptureScreenRect(const RECT& rect);
// A window's client area as the screen shows it.
ScreenPixels CaptureClientArea(HWND window);

// Saves pixels, or the whole screen, as NAME.bmp in the folder the DUV_ARTEFACTS
// environment variable names (a Unix path under Wine, a Windows path elsewhere), for a
// person to look at after the run; nothing when the variable is unset.
void SavePixels(const ScreenPixels& pixels, const std::wstring& name);
void SaveScreenshot(const std::wstring& name);
