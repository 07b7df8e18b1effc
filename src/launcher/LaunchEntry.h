#pragma once
#include <string>

// One row of the launch list, with its fields as the list shows and the file stores them.
struct LaunchEntry {
    std::u16string File;
    std::u16string Hour = u"0"; // decimal, no leading zeros
    std::u16string Min = u"0";
    std::u16string Day; // weekday letters, blanks carry no meaning
    bool Enabled = true;

    bool operator==(const LaunchEntry&) const = default;
};
