#include "sysutil/AnsiText_win.h"

#include <windows.h>

#include <climits>

#include "sysutil/WideText_win.h"

wchar_t UpperUnit(wchar_t c)
{
    // Given a value below 0x10000 in place of a pointer, CharUpperW converts that one character.
    return static_cast<wchar_t>(
        reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

std::u16string DecodeAnsi(const std::string& bytes)
{
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    if (units <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), units);
    return std::u16string(wide.begin(), wide.end());
}
