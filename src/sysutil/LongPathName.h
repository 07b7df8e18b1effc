#pragma once
#include <string>

class FileSystem;

// The absolute path with every component in the form the file system stores it.
std::u16string ExpandLongPathName(FileSystem& files, const std::u16string& path);
