#include "E2E.h"

#include <map>

namespace e2e {

namespace {

int caseArgument = 0;

std::map<std::string, CaseFunction>& Cases()
{
    static std::map<std::string, CaseFunction> cases;
    return cases;
}

} // namespace

CaseRegistrar::CaseRegistrar(const char* name, CaseFunction function)
{
    Cases()[name] = function;
}

std::string Utf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

void Log(const std::string& text)
{
    const std::string line = text + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

void Fail(const char* file, int line, const std::string& message)
{
    throw CaseFailure{std::string(file) + ":" + std::to_string(line) + ": " + message};
}

double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs)
{
    const double end = NowMs() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (NowMs() >= end)
            return false;
        Sleep(pollMs);
    }
}

void SetCaseArgument(int value)
{
    caseArgument = value;
}

int CaseArgument(int defaultValue)
{
    return caseArgument > 0 ? caseArgument : defaultValue;
}

int RunCase(const std::string& name)
{
    const auto it = Cases().find(name);
    if (it == Cases().end()) {
        Log("unknown case " + name);
        return 2;
    }
    try {
        it->second();
    } catch (const CaseFailure& failure) {
        Log("FAIL " + name + ": " + failure.message);
        return 1;
    }
    Log("PASS " + name);
    return 0;
}

void ListCases()
{
    for (const auto& entry : Cases())
        Log(entry.first);
}

} // namespace e2e
