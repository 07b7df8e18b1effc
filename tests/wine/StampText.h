#pragma once
#include <windows.h>

#include <string>

// The stamp in the program's default formats, written out independently of the
// program's own formatter: 【令和8年12月10日(木曜日) 12時19分37秒】
std::wstring DefaultDateText(const SYSTEMTIME& t);
std::wstring DefaultStamp(const SYSTEMTIME& t);

// The time of day, in seconds, that a title stamped in the default formats shows; -1 if none.
int StampedSecondOfDay(const std::wstring& title);
// The same for a title stamped with the time format hh:nn:ss.
int StampedClockSecondOfDay(const std::wstring& title);

bool HasStamp(const std::wstring& title);

int SecondOfDay(const SYSTEMTIME& t);
SYSTEMTIME LocalNow();
