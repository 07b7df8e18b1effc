#pragma once
#include <optional>
#include <string>

enum class TSpecialFolder { sfDocuments, sfAppData, sfLocalAppData, sfCommonAppData, sfPictures, sfCommonDocuments };

// Result of writing a whole file: 0 on success, else the platform's error code.
struct WriteResult {
    unsigned long error = 0;
    bool Ok() const { return error == 0; }
};

// Files and folders, as the program needs them.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::u16string& path) = 0;      // a file, not a folder
    virtual bool DirectoryExists(const std::u16string& path) = 0; // a folder, not a file
    // Asks the drive for its size with critical-error dialogs off; true when it answers.
    virtual bool DriveAnswers(char16_t upperLetter) = 0;
    virtual std::u16string FullPathName(const std::u16string& path) = 0;
    // The stored name of the last component of an existing path, if it exists.
    virtual std::optional<std::u16string> StoredName(const std::u16string& path) = 0;
    virtual bool CreateFolder(const std::u16string& path) = 0;
    // The folder's path without a trailing backslash; empty when unknown.
    virtual std::u16string SpecialFolder(TSpecialFolder kind) = 0;
    // Nothing, and the platform's error code when asked for, if the file cannot be read.
    virtual std::optional<std::string> ReadAll(const std::u16string& path, unsigned long* error) = 0;
    // Replaces the file as a whole: a failure at any point leaves the previous file as it was.
    virtual WriteResult ReplaceWhole(const std::u16string& path, const std::string& bytes) = 0;
};
