#pragma once
#include <string>

// On Windows wchar_t is a UTF-16 unit: texts cross the boundary by a plain copy.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline std::wstring Wide(const std::u16string& text)
{
    return std::wstring(text.begin(), text.end());
}

// A constant text of the portable code as the platform's wide string.
inline const wchar_t* WideConstant(const char16_t* text)
{
    return reinterpret_cast<const wchar_t*>(text);
}

inline std::u16string U16(const wchar_t* text)
{
    std::u16string result;
    for (; text && *text; ++text)
        result.push_back(static_cast<char16_t>(*text));
    return result;
}

inline std::u16string U16(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

// One character in upper case, by the platform's rules (CharUpperW of a single unit).
wchar_t UpperUnit(wchar_t c);
