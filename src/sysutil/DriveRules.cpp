#include "sysutil/DriveRules.h"

#include "sysutil/FileSystem.h"
#include "sysutil/SoundPlayer.h"

bool DriveLetterReady(FileSystem& files, char16_t letter)
{
    if (letter >= u'a' && letter <= u'z')
        letter = static_cast<char16_t>(letter - 32);
    if (letter < u'A' || letter > u'Z')
        return letter == u'\\';
    return files.DriveAnswers(letter);
}

bool PathDriveReady(FileSystem& files, const std::u16string& path)
{
    return !path.empty() && DriveLetterReady(files, path[0]);
}

bool SafeFileExists(FileSystem& files, const std::u16string& path)
{
    return PathDriveReady(files, path) && files.FileExists(path);
}

bool SafeDirectoryExists(FileSystem& files, const std::u16string& path)
{
    return PathDriveReady(files, path) && files.DirectoryExists(path);
}

void PlayWaveFile(FileSystem& files, SoundPlayer& sound, const std::u16string& path)
{
    if (SafeFileExists(files, path))
        sound.PlayWaveAsync(path);
}
