#pragma once
#include <windows.h>

#include <string>

// Settings files and program folders that the cases prepare for Duv.exe.

// Writes Duv.ini in the user's data folder: UTF-16 LE with its mark, UTF-8 with its
// mark, or the ANSI code page without one.
enum class IniEncoding { Utf16, Utf8, Ansi };
void WriteIni(const std::wstring& text, IniEncoding encoding = IniEncoding::Utf16);
std::wstring ReadIniText();

// The file a first save with every default writes, as text.
extern const wchar_t* const kDefaultIniText;

// A folder with a copy of Duv.exe, and with the Qel stand-in as Qel.exe if asked.
std::wstring PrepareProgramFolder(const std::wstring& caseName, bool withQel);
// The stand-in beside the driver.
std::wstring FakeQelPath();
// Registers the ".qel" file type for this user, opened by the stand-in of a folder.
void RegisterQelFileType(const std::wstring& standInPath);
// The lines the stand-in logged in a folder.
std::wstring QelCalls(const std::wstring& folder);

// The file name of the driver program itself.
std::wstring DriverFileName();
