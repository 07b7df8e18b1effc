#pragma once
#include <string>

class FileSystem;

// Existence tests that first make sure the path's drive is there, so that a
// removable drive without a medium never raises a system dialog.
bool DriveLetterReady(FileSystem& files, char16_t letter);
bool PathDriveReady(FileSystem& files, const std::u16string& path);
bool SafeFileExists(FileSystem& files, const std::u16string& path);
bool SafeDirectoryExists(FileSystem& files, const std::u16string& path);
