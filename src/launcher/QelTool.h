#pragma once
#include <string>

#include "sysutil/ShellRunner.h"

class FileSystem;

// The calls the program makes of its sibling script tool, Qel.
namespace QelTool {

extern const char16_t* const kProgramName; // "Qel.exe"

// "Qel.exe" in the program's own folder, if that file exists; empty otherwise.
std::u16string GetQelExePath(FileSystem& files, const std::u16string& ownFolder);

// The working folder of a path: C:\Scripts\daily.qel gives C:\Scripts, C:\daily.qel C:\.
std::u16string FolderOfPath(const std::u16string& path);

// Opens a script file through the shell's default action for its type.
void OpenScript(ShellRunner& shell, WindowHandle owner, const std::u16string& script);
// Starts the tool for a new script.
void StartForNewScript(ShellRunner& shell, WindowHandle owner, const std::u16string& qelExe);
// Opens a script in the tool for editing: /e "path".
void EditScript(ShellRunner& shell, WindowHandle owner, const std::u16string& qelExe, const std::u16string& script);

} // namespace QelTool
