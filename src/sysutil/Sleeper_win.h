#pragma once
#include <windows.h>

#include "sysutil/Sleeper.h"

class Win32Sleeper : public Sleeper {
public:
    void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }
};
