#include "controls/NumEditColors.h"

namespace NumEditColors {

NumEditPaintColors PaintColors(bool enabled, bool selected, NumEditColor color, NumEditColor disabledColor)
{
    if (!enabled)
        return {disabledColor, color};
    if (selected)
        return {NumEditColor::Of(SystemColor::HighlightText), NumEditColor::Of(SystemColor::Highlight)};
    return {NumEditColor::Of(SystemColor::WindowText), color};
}

} // namespace NumEditColors
