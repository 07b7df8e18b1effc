#pragma once
#include <windows.h>

#include <functional>
#include <sstream>
#include <string>

// A small harness for end-to-end cases that run against the real Duv.exe, alike
// under Wine and on Windows. Each case is one process run: DuvE2E.exe run CASE DUV.EXE

namespace e2e {

struct CaseFailure {
    std::string message;
};

using CaseFunction = void (*)();

struct CaseRegistrar {
    CaseRegistrar(const char* name, CaseFunction function);
};

std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);
void Log(const std::string& text);

[[noreturn]] void Fail(const char* file, int line, const std::string& message);

// Polls until the condition holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20);

// Milliseconds since an arbitrary start, for measuring waits.
double NowMs();

// A number a case may be given on the command line (rounds, minutes), or its default.
void SetCaseArgument(int value);
int CaseArgument(int defaultValue);

} // namespace e2e

#define E2E_CASE(name)                                                                                                 \
    static void name();                                                                                                \
    static const e2e::CaseRegistrar name##Registrar(#name, name);                                                      \
    static void name()

#define CHECK(condition)                                                                                               \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            e2e::Fail(__FILE__, __LINE__, "CHECK failed: " #condition);                                                \
    } while (0)

#define CHECK_MSG(condition, stream)                                                                                   \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::ostringstream e2eMessage;                                                                             \
            e2eMessage << "CHECK failed: " #condition " -- " << stream;                                                \
            e2e::Fail(__FILE__, __LINE__, e2eMessage.str());                                                           \
        }                                                                                                              \
    } while (0)

#define CHECK_TEXT(actual, expected)                                                                                   \
    do {                                                                                                               \
        const std::wstring e2eActual = (actual);                                                                       \
        const std::wstring e2eExpected = (expected);                                                                   \
        if (e2eActual != e2eExpected)                                                                                  \
            e2e::Fail(__FILE__, __LINE__,                                                                              \
                      "expected \"" + e2e::Utf8(e2eExpected) + "\" but got \"" + e2e::Utf8(e2eActual) + "\"");         \
    } while (0)
