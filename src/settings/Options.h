#pragma once
#include <string>
#include <vector>

#include "launcher/LaunchEntry.h"

// The live option set; each field is named after its key in "Duv.ini". Its keys,
// defaults and ranges stand in the table of OptionKeys.h.
struct Options {
    Options();

    // [Disp]
    std::u16string Length;
    bool EnabledLength{};
    bool ExeName{};
    int Position{}; // 0 title then stamp, 1 stamp then title
    int Start{};    // 0 leave the Start button alone, 1 date, 2 time
    bool Tray{};
    int Date{};
    int Time{};
    bool Whistle{};
    int WhistleTime{};
    bool Alarm{};
    int AlarmTime{};
    int AlarmHour{};
    int AlarmMin{};
    // [Disable]
    std::vector<std::u16string> Disable;
    bool Dialog{};
    // [Wave]
    bool WhistleEnabled{};
    bool WhistleFront{};
    std::u16string WhistleWave;
    bool WhistleVoiceEnabled{};
    bool AlarmEnabled{};
    std::u16string AlarmWave;
    // [Qel]
    std::vector<LaunchEntry> Qel;

    bool operator==(const Options&) const = default;

    // The length limit as a whole number of characters (see the definition).
    int LengthLimit() const;
};
