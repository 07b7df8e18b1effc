#pragma once
#include <cstdint>
#include <functional>
#include <string>

// Turns a device path such as \Device\HarddiskVolume2\x.exe into a drive-letter path:
// the first present drive (bit 0 is A:) whose device name, followed by "\", begins
// the path wins; with none, the device path stays.
std::u16string MapDevicePathToDrive(const std::u16string& devicePath, std::uint32_t logicalDrives,
                                    const std::function<std::u16string(char16_t letter)>& dosDevice);
