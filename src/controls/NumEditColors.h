#pragma once
#include <cstdint>

// The system colours a numeric edit box draws with.
enum class SystemColor { Window, WindowText, Highlight, HighlightText, GrayText, ButtonFace };

// A colour of the box: one of the system's colours, looked up each time the box draws
// so that a theme or contrast change shows at once, or a fixed RGB value (0x00BBGGRR).
struct NumEditColor {
    bool isSystem = true;
    SystemColor system = SystemColor::Window;
    std::uint32_t rgb = 0;

    static NumEditColor Of(SystemColor color) { return NumEditColor{true, color, 0}; }
    static NumEditColor Rgb(std::uint32_t value) { return NumEditColor{false, SystemColor::Window, value}; }
    bool operator==(const NumEditColor&) const = default;
};

struct NumEditPaintColors {
    NumEditColor text, back;
};

namespace NumEditColors {

// Selected text in the selection colours, else the font colour on the box's colour; a
// disabled box shows DisabledColor on its colour, selected or not.
NumEditPaintColors PaintColors(bool enabled, bool selected, NumEditColor color, NumEditColor disabledColor);

} // namespace NumEditColors
