#pragma once

// Versions 5.1 and 5.2 (the XP family), whose Start button carries a text.
constexpr bool IsXPFamilyVersion(unsigned long major, unsigned long minor)
{
    return major == 5 && minor >= 1;
}
