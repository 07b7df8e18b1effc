#include "controls/NumEditLayout.h"

namespace NumEditLayout {

int TextLeft(TAlignment alignment, int clientWidth, int textWidth, const NumEditMargins& margins)
{
    switch (alignment) {
    case TAlignment::taLeftJustify: return margins.left;
    case TAlignment::taRightJustify: return clientWidth - textWidth - margins.right - 1;
    case TAlignment::taCenter:
        return (clientWidth - margins.left - margins.right) / 2 + margins.left - textWidth / 2 - 1;
    }
    return margins.left;
}

int TextTop(TVertAlignment alignment, int clientHeight, int fontHeight, const NumEditMargins& margins)
{
    switch (alignment) {
    case TVertAlignment::taTopJustify: return margins.top;
    case TVertAlignment::taBottomJustify: return clientHeight - fontHeight - margins.bottom;
    case TVertAlignment::taVCenter: return (clientHeight - fontHeight - margins.top - margins.bottom) / 2 + margins.top;
    }
    return margins.top;
}

int AvailableWidth(int clientWidth, const NumEditMargins& margins, bool sunkenBorder)
{
    return clientWidth - margins.left - margins.right - 2 * (sunkenBorder ? 2 : 1);
}

NumEditMargins KeptMargins(const NumEditMargins& present, const NumEditMargins& wanted)
{
    const auto kept = [](int now, int asked) { return asked < 0 ? now : asked; };
    return NumEditMargins{kept(present.left, wanted.left), kept(present.top, wanted.top),
                          kept(present.right, wanted.right), kept(present.bottom, wanted.bottom)};
}

} // namespace NumEditLayout
