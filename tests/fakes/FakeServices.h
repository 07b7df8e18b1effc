#pragma once
#include <string>
#include <vector>

#include "shell/TrayIconView.h"
#include "sysutil/Sleeper.h"
#include "sysutil/SoundPlayer.h"
#include "sysutil/StartButton.h"

// Sounds recorded in the order the program asked for them.
class FakeSound : public SoundPlayer {
public:
    std::vector<std::u16string> waves;
    std::vector<int> clips;
    void PlayWaveAsync(const std::u16string& path) override { waves.push_back(path); }
    void PlayVoiceClip(int clip) override { clips.push_back(clip); }
};

class FakeStartButton : public StartButton {
public:
    bool present = true;
    std::u16string text;
    int writes = 0;
    std::u16string Text() override { return present ? text : std::u16string(); }
    bool SetText(const std::u16string& value) override
    {
        if (!present)
            return false;
        ++writes;
        text = value;
        return true;
    }
};

class FakeTray : public TrayIconView {
public:
    std::u16string hint = u"Duv";
    bool cycling = false;
    int hintWrites = 0;
    int appIconSets = 0;
    const std::u16string& Hint() const override { return hint; }
    void SetHint(const std::u16string& value) override
    {
        ++hintWrites;
        hint = value;
    }
    void SetCycleIcons(bool cycle) override { cycling = cycle; }
    void ShowApplicationIcon() override { ++appIconSets; }
};

class FakeSleeper : public Sleeper {
public:
    std::vector<int> pauses;
    void Sleep(int milliseconds) override { pauses.push_back(milliseconds); }
};
