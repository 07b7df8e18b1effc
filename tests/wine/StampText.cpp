#include "StampText.h"

#include <cwchar>

namespace {

const wchar_t* const kWeekdays[] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

} // namespace

std::wstring DefaultDateText(const SYSTEMTIME& t)
{
    const int eraYear = t.wYear - 2018;
    const std::wstring year = eraYear == 1 ? L"元" : std::to_wstring(eraYear);
    return L"令和" + year + L"年" + std::to_wstring(t.wMonth) + L"月" + std::to_wstring(t.wDay) + L"日(" +
           kWeekdays[t.wDayOfWeek] + L"曜日)";
}

std::wstring DefaultStamp(const SYSTEMTIME& t)
{
    wchar_t time[32];
    swprintf(time, 32, L"%02d時%02d分%02d秒", t.wHour, t.wMinute, t.wSecond);
    return L"【" + DefaultDateText(t) + L" " + time + L"】";
}

int StampedSecondOfDay(const std::wstring& title)
{
    const std::size_t close = title.find(L"秒】");
    if (close == std::wstring::npos || close < 8)
        return -1;
    int h = 0, m = 0, s = 0;
    if (swscanf(title.c_str() + close - 8, L"%2d時%2d分%2d", &h, &m, &s) != 3)
        return -1;
    return h * 3600 + m * 60 + s;
}

int StampedClockSecondOfDay(const std::wstring& title)
{
    const std::size_t close = title.find(L"】");
    if (close == std::wstring::npos || close < 8)
        return -1;
    int h = 0, m = 0, s = 0;
    if (swscanf(title.c_str() + close - 8, L"%2d:%2d:%2d", &h, &m, &s) != 3)
        return -1;
    return h * 3600 + m * 60 + s;
}

bool HasStamp(const std::wstring& title)
{
    return title.find(L"【") != std::wstring::npos;
}

int SecondOfDay(const SYSTEMTIME& t)
{
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
}

SYSTEMTIME LocalNow()
{
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return t;
}
