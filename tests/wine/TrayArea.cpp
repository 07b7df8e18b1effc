#include "TrayArea.h"

namespace {

RECT TrayStrip()
{
    RECT bar{};
    GetWindowRect(FindWindowW(L"Shell_TrayWnd", nullptr), &bar);
    return RECT{bar.right - 90, bar.top, bar.right, bar.bottom};
}

} // namespace

TrayColours ReadTrayColours()
{
    const RECT strip = TrayStrip();
    const HDC screen = GetDC(nullptr);
    TrayColours colours;
    for (int y = strip.top; y < strip.bottom; ++y) {
        for (int x = strip.left; x < strip.right; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            colours.blue += (b > 150 && r < 90 && g < 140) ? 1 : 0;
            colours.red += (r > 150 && g < 90 && b < 90) ? 1 : 0;
            colours.gold += (r > 180 && g > 120 && b < 80) ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    return colours;
}

POINT TrayIconPoint()
{
    const RECT strip = TrayStrip();
    const HDC screen = GetDC(nullptr);
    // The icon's coloured pixels: their middle is where to click.
    long sumX = 0, sumY = 0, count = 0;
    for (int y = strip.top; y < strip.bottom; ++y) {
        for (int x = strip.left; x < strip.right; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            if ((b > 150 && r < 90 && g < 140) || (r > 150 && g < 90 && b < 90)) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    ReleaseDC(nullptr, screen);
    if (count == 0)
        return POINT{strip.right - 12, (strip.top + strip.bottom) / 2};
    return POINT{sumX / count, sumY / count};
}
