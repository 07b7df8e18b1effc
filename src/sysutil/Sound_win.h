#pragma once
#include "sysutil/SoundPlayer.h"

class Win32SoundPlayer : public SoundPlayer {
public:
    void PlayWaveAsync(const std::u16string& path) override;
    void PlayVoiceClip(int clip) override;
};
