#include "sysutil/DevicePath.h"

std::u16string MapDevicePathToDrive(const std::u16string& devicePath, std::uint32_t logicalDrives,
                                    const std::function<std::u16string(char16_t letter)>& dosDevice)
{
    for (int bit = 0; bit < 26; ++bit) {
        if ((logicalDrives & (1u << bit)) == 0)
            continue;
        const char16_t letter = static_cast<char16_t>(u'A' + bit);
        const std::u16string device = dosDevice(letter);
        if (device.empty())
            continue;
        const std::u16string prefix = device + u"\\";
        if (devicePath.compare(0, prefix.size(), prefix) == 0)
            return std::u16string(1, letter) + u":" + devicePath.substr(device.size());
    }
    return devicePath;
}
