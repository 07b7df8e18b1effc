#pragma once
#include "controls/NumEditRules.h"

// The number boxes of the settings window: the length box takes up to three integer
// digits (and, by the box's defaults, a sign and decimals); the displays beside the
// up-down buttons show two digits.
inline NumEditFormat CapLengthFormat()
{
    NumEditFormat format;
    format.IntegerLength = 3;
    format.Comma = false;
    return format;
}

inline NumEditFormat UpDownDisplayFormat()
{
    NumEditFormat format;
    format.IntegerLength = 2;
    format.Comma = false;
    return format;
}
