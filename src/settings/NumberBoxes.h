#pragma once
#include "controls/NumEditRules.h"

// The two kinds of number box of the settings window: the properties they are given,
// all others keeping the box's defaults.
struct NumberBoxStyle {
    NumEditFormat format;
    bool readOnly = false;
    bool errorBeep = true;
    bool buttonFace = false; // the button-face colour in place of the window colour
};

// The length box: up to three integer digits without separators (and, by the box's
// defaults, a sign and decimals).
inline NumberBoxStyle LengthBoxStyle()
{
    NumberBoxStyle style;
    style.format.IntegerLength = 3;
    style.format.Comma = false;
    return style;
}

// The displays beside the up-down buttons: two digits, no typing, no beep.
inline NumberBoxStyle UpDownDisplayStyle()
{
    NumberBoxStyle style;
    style.format.IntegerLength = 2;
    style.format.Comma = false;
    style.readOnly = true;
    style.errorBeep = false;
    style.buttonFace = true;
    return style;
}
