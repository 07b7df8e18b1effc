#include "sysutil/FileSystem_win.h"

#include <windows.h>

#include <shlobj.h>

#include "sysutil/WideText_win.h"

namespace {

DWORD Attributes(const std::u16string& path)
{
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(Wide(path).c_str());
}

int Csidl(TSpecialFolder kind)
{
    switch (kind) {
    case TSpecialFolder::sfDocuments: return CSIDL_PERSONAL;
    case TSpecialFolder::sfAppData: return CSIDL_APPDATA;
    case TSpecialFolder::sfLocalAppData: return CSIDL_LOCAL_APPDATA;
    case TSpecialFolder::sfCommonAppData: return CSIDL_COMMON_APPDATA;
    case TSpecialFolder::sfPictures: return CSIDL_MYPICTURES;
    case TSpecialFolder::sfCommonDocuments: return CSIDL_COMMON_DOCUMENTS;
    }
    return CSIDL_PERSONAL;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    void Close()
    {
        if (Valid())
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE handle_;
};

bool WriteAllAndFlush(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    if (!bytes.empty() && (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                           written != bytes.size()))
        return false;
    return FlushFileBuffers(file) != FALSE;
}

} // namespace

bool Win32FileSystem::FileExists(const std::u16string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::DirectoryExists(const std::u16string& path)
{
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::DriveAnswers(char16_t upperLetter)
{
    const wchar_t root[4] = {static_cast<wchar_t>(upperLetter), L':', L'\\', 0};
    const UINT saved = SetErrorMode(SEM_FAILCRITICALERRORS);
    ULARGE_INTEGER available{}, total{};
    const BOOL answered = GetDiskFreeSpaceExW(root, &available, &total, nullptr);
    SetErrorMode(saved);
    return answered != FALSE;
}

std::u16string Win32FileSystem::FullPathName(const std::u16string& path)
{
    const std::wstring wide = Wide(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring buffer(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, buffer.data(), nullptr);
    return length == 0 || length >= needed ? path : U16(buffer.c_str());
}

std::optional<std::u16string> Win32FileSystem::StoredName(const std::u16string& path)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW(Wide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return std::nullopt;
    FindClose(search);
    return U16(found.cFileName);
}

bool Win32FileSystem::CreateFolder(const std::u16string& path)
{
    return CreateDirectoryW(Wide(path).c_str(), nullptr) != FALSE;
}

std::u16string Win32FileSystem::SpecialFolder(TSpecialFolder kind)
{
    wchar_t buffer[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, Csidl(kind), nullptr, 0, buffer);
    return U16(buffer);
}

std::optional<std::string> Win32FileSystem::ReadAll(const std::u16string& path, unsigned long* error)
{
    const auto failed = [&](DWORD code) -> std::optional<std::string> {
        if (error)
            *error = code;
        return std::nullopt;
    };
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.Valid() || !GetFileSizeEx(file.Get(), &size))
        return failed(GetLastError());
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > kMaxReadBytes)
        return failed(ERROR_FILE_TOO_LARGE);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return failed(GetLastError());
    bytes.resize(read);
    return bytes;
}

// The new text goes to a file beside the old one, is flushed, and then takes the
// old one's place in one step, so that the file is always either old or new.
WriteResult Win32FileSystem::ReplaceWhole(const std::u16string& path, const std::string& bytes)
{
    const std::wstring target = Wide(path);
    const std::wstring temporary = target + L".tmp";
    FileHandle file(
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return {GetLastError()};
    if (!WriteAllAndFlush(file.Get(), bytes)) {
        const DWORD error = GetLastError();
        file.Close();
        DeleteFileW(temporary.c_str());
        return {error == 0 ? static_cast<DWORD>(ERROR_WRITE_FAULT) : error};
    }
    file.Close();
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return {error};
    }
    return {};
}
