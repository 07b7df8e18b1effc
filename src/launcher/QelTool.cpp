#include "launcher/QelTool.h"

#include "sysutil/FileSystem.h"

namespace QelTool {

const char16_t* const kProgramName = u"Qel.exe";

std::u16string GetQelExePath(FileSystem& files, const std::u16string& ownFolder)
{
    const std::u16string path = ownFolder + kProgramName;
    return files.FileExists(path) ? path : std::u16string();
}

std::u16string FolderOfPath(const std::u16string& path)
{
    const std::size_t i = path.find_last_of(u"\\:");
    if (i == std::u16string::npos)
        return {};
    // A root keeps its backslash; a folder below it loses the one that ends it.
    if (i > 1 && path[i] == u'\\' && path[i - 1] != u'\\' && path[i - 1] != u':')
        return path.substr(0, i);
    return path.substr(0, i + 1);
}

void OpenScript(ShellRunner& shell, WindowHandle owner, const std::u16string& script)
{
    shell.ShellOpen(owner, script, u"", FolderOfPath(script), kShowDefault);
}

void StartForNewScript(ShellRunner& shell, WindowHandle owner, const std::u16string& qelExe)
{
    shell.ShellOpen(owner, qelExe, u"", FolderOfPath(qelExe), kShowDefault);
}

void EditScript(ShellRunner& shell, WindowHandle owner, const std::u16string& qelExe, const std::u16string& script)
{
    shell.ShellOpen(owner, qelExe, u"/e \"" + script + u"\"", FolderOfPath(qelExe), kShowDefault);
}

} // namespace QelTool
