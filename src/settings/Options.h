#pragma once
#include <string>
#include <vector>

#include "launcher/LaunchEntry.h"

// The live option set; each field is named after its key in "Duv.ini".
struct Options {
    // [Disp]
    std::u16string Length = u"0";
    bool EnabledLength = false;
    bool ExeName = false;
    int Position = 0; // 0 title then stamp, 1 stamp then title
    int Start = 0;    // 0 leave the Start button alone, 1 date, 2 time
    bool Tray = true;
    int Date = 0;
    int Time = 0;
    bool Whistle = false;
    int WhistleTime = 10;
    bool Alarm = false;
    int AlarmTime = 10;
    int AlarmHour = 0;
    int AlarmMin = 0;
    // [Disable]
    std::vector<std::u16string> Disable;
    bool Dialog = false;
    // [Wave]
    bool WhistleEnabled = false;
    bool WhistleFront = false;
    std::u16string WhistleWave;
    bool WhistleVoiceEnabled = false;
    bool AlarmEnabled = false;
    std::u16string AlarmWave;
    // [Qel]
    std::vector<LaunchEntry> Qel;

    bool operator==(const Options&) const = default;

    // The length limit as a whole number of characters (see the definition).
    int LengthLimit() const;
};
