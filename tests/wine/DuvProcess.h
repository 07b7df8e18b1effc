#pragma once
#include <windows.h>

#include <string>

// Duv.exe as a process of its own, started from a given program file.
class DuvProcess {
public:
    // The Duv.exe that the cases run; set from the command line.
    static std::wstring DefaultPath;

    explicit DuvProcess(const std::wstring& exePath = DefaultPath);
    ~DuvProcess();
    DuvProcess(const DuvProcess&) = delete;
    DuvProcess& operator=(const DuvProcess&) = delete;

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Process() const { return process_; }
    bool Running() const;
    // Waits for the process to end; true when it did, with its exit code.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
    // The settings window of this process, once it exists.
    HWND WaitForForm(DWORD timeoutMs) const;
    void Kill();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Ends every Duv.exe left over from an earlier case.
void KillAllDuvInstances();

// The user's data folder of the program, with a trailing backslash.
std::wstring DataFolderPath();
std::wstring IniPath();
void RemoveProfile();
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool ReadFileBytes(const std::wstring& path, std::string& bytes);
std::string Utf16LeWithBom(const std::wstring& text);

// A folder of its own for one case, emptied at the start.
std::wstring CaseFolder(const std::wstring& name);
