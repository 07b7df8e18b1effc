#pragma once
#include <string>

#include "sysutil/WindowSystem.h"

constexpr int kShowDefault = 10; // SW_SHOWDEFAULT

// Opening a file or starting a program through the shell.
class ShellRunner {
public:
    virtual ~ShellRunner() = default;
    // Returns the shell's result: above 32 means success.
    virtual long ShellOpen(WindowHandle owner, const std::u16string& file, const std::u16string& parameters,
                           const std::u16string& folder, int show) = 0;
};
