#include "clock/Voice_win.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "sysutil/SystemLibrary_win.h"
#include "sysutil/WorkerThread_win.h"

namespace {

constexpr int kFirstVoiceResource = 100;

// The clip the next VoiceThread plays; written before the thread starts.
int MVoice = 0;

void VoiceThreadExecute()
{
    using PlaySound = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    const std::wstring name = L"#" + std::to_wstring(kFirstVoiceResource + MVoice);
    if (const auto play = SystemFunction<PlaySound>(L"winmm.dll", "PlaySoundW"))
        play(name.c_str(), nullptr, SND_RESOURCE);
}

} // namespace

void PlayVoiceClipAndWait(int clip)
{
    MVoice = clip;
    RunOnWorkerAndWait(VoiceThreadExecute);
}
