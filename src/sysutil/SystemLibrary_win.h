#pragma once
#include <windows.h>

// A function of a system DLL, loaded by its full path the first time it is wanted and
// kept for the life of the process: libraries only some actions need (sound, the file
// picker) then cost nothing until those actions happen.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name);

HMODULE LoadSystemLibraryOnce(const wchar_t* fileName);

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name)
{
    const HMODULE module = LoadSystemLibraryOnce(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
