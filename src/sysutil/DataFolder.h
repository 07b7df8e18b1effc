#pragma once
#include <string>

class FileSystem;

// The user's data folder: the application-data folder, "\Marnex\", the sub-folder, "\".
// Created at start; empty until then.
extern std::u16string DataFolder;
extern std::u16string CommonDataFolder;

// Creates Marnex and the sub-folder one level at a time, records the folder and
// tells whether it exists now.
bool PrepareDataFolder(FileSystem& files, const std::u16string& sub, bool allUsers);
