#include "sysutil/Sound_win.h"

#include <windows.h>

#include <mmsystem.h>

#include "clock/Voice_win.h"
#include "sysutil/SystemLibrary_win.h"
#include "sysutil/WideText_win.h"

void Win32SoundPlayer::PlayWaveAsync(const std::u16string& path)
{
    using SndPlaySound = BOOL(WINAPI*)(LPCWSTR, UINT);
    if (const auto play = SystemFunction<SndPlaySound>(L"winmm.dll", "sndPlaySoundW"))
        play(Wide(path).c_str(), SND_ASYNC | SND_NODEFAULT);
}

void Win32SoundPlayer::PlayVoiceClip(int clip)
{
    PlayVoiceClipAndWait(clip);
}
