#include "sysutil/DataFolder.h"

#include "sysutil/FileSystem.h"

std::u16string DataFolder;
std::u16string CommonDataFolder;

namespace {

void EnsureFolder(FileSystem& files, const std::u16string& path)
{
    if (!files.DirectoryExists(path))
        files.CreateFolder(path);
}

} // namespace

bool PrepareDataFolder(FileSystem& files, const std::u16string& sub, bool allUsers)
{
    std::u16string base = files.SpecialFolder(allUsers ? TSpecialFolder::sfCommonAppData : TSpecialFolder::sfAppData);
    // Without the application-data folder the path would fall to the current drive's root.
    if (base.empty())
        return false;
    base += u"\\Marnex";
    EnsureFolder(files, base);
    base += u"\\" + sub;
    EnsureFolder(files, base);
    std::u16string& stored = allUsers ? CommonDataFolder : DataFolder;
    stored = base + u"\\";
    return files.DirectoryExists(stored);
}
