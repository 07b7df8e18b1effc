#pragma once
#include "sysutil/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    bool FileExists(const std::u16string& path) override;
    bool DirectoryExists(const std::u16string& path) override;
    bool DriveAnswers(char16_t upperLetter) override;
    std::u16string FullPathName(const std::u16string& path) override;
    std::optional<std::u16string> StoredName(const std::u16string& path) override;
    bool CreateFolder(const std::u16string& path) override;
    std::u16string SpecialFolder(TSpecialFolder kind) override;
    std::optional<std::string> ReadAll(const std::u16string& path, unsigned long* error) override;
    WriteResult ReplaceWhole(const std::u16string& path, const std::string& bytes) override;
};

// Files larger than this are not read: a settings file never comes near it.
constexpr unsigned long long kMaxReadBytes = 16ull * 1024 * 1024;
