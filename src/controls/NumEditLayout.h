#pragma once

// Where a numeric edit box draws its text, and how much room it has.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TVertAlignment { taTopJustify, taBottomJustify, taVCenter };

struct NumEditMargins {
    int left = 2, top = 2, right = 2, bottom = 2;
};

namespace NumEditLayout {

int TextLeft(TAlignment alignment, int clientWidth, int textWidth, const NumEditMargins& margins);
int TextTop(TVertAlignment alignment, int clientHeight, int fontHeight, const NumEditMargins& margins);
// The client width less the margins and 2 pixels a side (1 without a sunken border).
int AvailableWidth(int clientWidth, const NumEditMargins& margins, bool sunkenBorder);
// The wanted margins, each one below 0 refused (the present one stays).
NumEditMargins KeptMargins(const NumEditMargins& present, const NumEditMargins& wanted);

} // namespace NumEditLayout
