#pragma once
#include <string>

// The properties of a numeric edit box that shape its number text and its display.
struct NumEditFormat {
    int IntegerLength = 9;
    int DecimalLength = 3; // 0: no point allowed
    bool Minus = true;
    bool Comma = true;
    bool DecimalFixed = false;
    std::u16string LeftMark;
    std::u16string RightMark;
};

// The number text rules of the numeric edit box: what any string becomes as a number
// text, and how a number text is displayed.
namespace NumEditRules {

// Copies the acceptable prefix of s (digits, one point, a leading minus; commas
// dropped), then cuts it to the lengths.
std::u16string FilterText(const std::u16string& s, const NumEditFormat& format);
std::u16string StripLeadingZeros(const std::u16string& t);
std::u16string FormatText(const std::u16string& t, const NumEditFormat& format);

// Full-width digits, minus and full stop typed or pasted in a Japanese input mode
// count as their ASCII forms; a full-width comma counts as a comma.
char16_t NarrowUnit(char16_t c);
std::u16string NarrowText(const std::u16string& text);

} // namespace NumEditRules
