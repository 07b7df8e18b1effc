#include "DuvProcess.h"

#include <shlobj.h>

#include <vector>

#include "E2E.h"

std::wstring DuvProcess::DefaultPath;

namespace {

constexpr const wchar_t* kFormClass = L"TDuvMainForm";

struct FormSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindFormOfProcess(HWND hwnd, LPARAM parameter)
{
    auto* search = reinterpret_cast<FormSearch*>(parameter);
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (wcscmp(className, kFormClass) == 0 && (search->processId == 0 || pid == search->processId)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace

DuvProcess::DuvProcess(const std::wstring& exePath)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + exePath + L"\"";
    const std::wstring folder = exePath.substr(0, exePath.find_last_of(L'\\') + 1);
    if (CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

DuvProcess::~DuvProcess()
{
    Kill();
}

bool DuvProcess::Running() const
{
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool DuvProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const
{
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode)
        GetExitCodeProcess(process_, exitCode);
    return true;
}

HWND DuvProcess::WaitForForm(DWORD timeoutMs) const
{
    FormSearch search{id_, nullptr};
    e2e::WaitUntil(
        [&] {
            EnumWindows(FindFormOfProcess, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

void DuvProcess::Kill()
{
    if (!process_)
        return;
    if (Running()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

void KillAllDuvInstances()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        FormSearch search{0, nullptr};
        EnumWindows(FindFormOfProcess, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            return;
        DWORD pid = 0;
        GetWindowThreadProcessId(search.found, &pid);
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (process) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10000);
            CloseHandle(process);
        }
        Sleep(100);
    }
}

std::wstring DataFolderPath()
{
    wchar_t appData[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, appData);
    return std::wstring(appData) + L"\\Marnex\\Qel\\";
}

std::wstring IniPath()
{
    return DataFolderPath() + L"Duv.ini";
}

void RemoveProfile()
{
    RemoveTree(DataFolderPath().substr(0, DataFolderPath().size() - 1));
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const DWORD size = GetFileSize(file, nullptr);
    bytes.assign(size, '\0');
    DWORD read = 0;
    const BOOL ok = ReadFile(file, bytes.data(), size, &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return ok != FALSE;
}

std::string Utf16LeWithBom(const std::wstring& text)
{
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>((c >> 8) & 0xFF));
    }
    return bytes;
}

std::wstring CaseFolder(const std::wstring& name)
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"DuvE2E\\" + name;
    RemoveTree(folder);
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    return folder + L"\\";
}
