#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sysutil/FileSystem.h"
#include "sysutil/PathText.h"

// Files and folders in memory; paths are compared without regard to A-Z case,
// as on the platform.
class FakeFileSystem : public FileSystem {
public:
    void AddFile(const std::u16string& path, const std::string& bytes = {}) { files_[Key(path)] = bytes; }
    void RemoveFile(const std::u16string& path) { files_.erase(Key(path)); }
    void AddFolder(const std::u16string& path) { folders_.insert(Key(path)); }
    // The name the file system stores for a path's last component.
    void SetStoredName(const std::u16string& path, const std::u16string& name) { storedNames_[Key(path)] = name; }
    void SetDriveReady(char16_t letter, bool ready) { readyDrives_[letter] = ready; }
    void SetSpecialFolder(TSpecialFolder kind, const std::u16string& path) { special_[kind] = path; }
    void SetCurrentFolder(const std::u16string& folder) { currentFolder_ = folder; }
    void FailWrites(unsigned long error) { writeError_ = error; }
    // Another program holds the file open without sharing it.
    void Lock(const std::u16string& path) { locked_.insert(Key(path)); }
    const std::string& Contents(const std::u16string& path) { return files_.at(Key(path)); }

    std::vector<char16_t> driveQueries;
    std::vector<std::u16string> createdFolders;

    bool FileExists(const std::u16string& path) override { return files_.count(Key(path)) != 0; }
    bool DirectoryExists(const std::u16string& path) override { return folders_.count(Key(Trimmed(path))) != 0; }
    bool DriveAnswers(char16_t upperLetter) override
    {
        driveQueries.push_back(upperLetter);
        const auto it = readyDrives_.find(upperLetter);
        return it == readyDrives_.end() || it->second;
    }
    std::u16string FullPathName(const std::u16string& path) override
    {
        if (path.size() >= 2 && (path[1] == u':' || (path[0] == u'\\' && path[1] == u'\\')))
            return path;
        return currentFolder_ + u"\\" + path;
    }
    std::optional<std::u16string> StoredName(const std::u16string& path) override
    {
        const auto it = storedNames_.find(Key(path));
        if (it != storedNames_.end())
            return it->second;
        if (FileExists(path) || DirectoryExists(path))
            return PathText::NamePart(path);
        return std::nullopt;
    }
    bool CreateFolder(const std::u16string& path) override
    {
        createdFolders.push_back(path);
        folders_.insert(Key(path));
        return true;
    }
    std::u16string SpecialFolder(TSpecialFolder kind) override
    {
        const auto it = special_.find(kind);
        return it == special_.end() ? std::u16string() : it->second;
    }
    std::optional<std::string> ReadAll(const std::u16string& path, unsigned long* error) override
    {
        const auto it = files_.find(Key(path));
        if (it == files_.end() || locked_.count(Key(path)) != 0) {
            if (error)
                *error = it == files_.end() ? 2 : 32;
            return std::nullopt;
        }
        return it->second;
    }
    WriteResult ReplaceWhole(const std::u16string& path, const std::string& bytes) override
    {
        if (writeError_ != 0)
            return {writeError_};
        files_[Key(path)] = bytes;
        return {};
    }

private:
    static std::u16string Key(const std::u16string& path) { return PathText::UpperAscii(path); }
    static std::u16string Trimmed(const std::u16string& path)
    {
        return (path.size() > 3 && path.back() == u'\\') ? path.substr(0, path.size() - 1) : path;
    }

    std::map<std::u16string, std::string> files_;
    std::set<std::u16string> folders_;
    std::set<std::u16string> locked_;
    std::map<std::u16string, std::u16string> storedNames_;
    std::map<char16_t, bool> readyDrives_;
    std::map<TSpecialFolder, std::u16string> special_;
    std::u16string currentFolder_ = u"C:\\Work";
    unsigned long writeError_ = 0;
};
