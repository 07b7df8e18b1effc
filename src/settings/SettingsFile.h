#pragma once
#include <string>

#include "settings/IniDocument.h"
#include "settings/Options.h"
#include "settings/TextDecoding.h"
#include "sysutil/FileSystem.h"

// "Duv.ini" in the data folder, and the one value read from the sibling tool's "Qel.ini".
namespace SettingsFile {

extern const char16_t* const kFileName;
extern const char16_t* const kQelFileName;

// Puts the file's values into the option set, in the file's order and with its
// defaults; values the controls cannot show are brought into their ranges.
void LoadInto(const IniDocument& ini, Options& options, FileSystem& files);
// Sets every key of the option set, in the order a new file gets them.
void StoreInto(const Options& options, IniDocument& ini);

enum class LoadResult { Loaded, NoFile, Unreadable };
// An unreadable file leaves the option set as it was.
LoadResult LoadSettings(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& path, Options& options);
// Writes the file anew over what it held; an existing file that cannot be read is
// not overwritten. The previous file stays whole on any failure.
WriteResult SaveSettings(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& path,
                         const Options& options);

// The folder the sibling tool used last, or the documents folder.
std::u16string ReadQelLastDir(FileSystem& files, const AnsiDecoder& ansi, const std::u16string& dataFolder);

} // namespace SettingsFile
