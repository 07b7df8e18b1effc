#include "sysutil/LongPathName.h"

#include "sysutil/FileSystem.h"
#include "sysutil/PathText.h"

std::u16string ExpandLongPathName(FileSystem& files, const std::u16string& path)
{
    std::u16string result;
    std::u16string p = files.FullPathName(path);
    for (std::size_t slash = p.rfind(u'\\'); slash != std::u16string::npos && slash + 1 >= 3; slash = p.rfind(u'\\')) {
        const std::optional<std::u16string> stored = files.StoredName(p);
        result = u"\\" + (stored ? *stored : PathText::NamePart(p)) + result;
        const std::u16string folder = PathText::FolderPart(p);
        p = folder.empty() ? folder : folder.substr(0, folder.size() - 1);
    }
    return p + result;
}
