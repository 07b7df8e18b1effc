#include "clock/Voice_win.h"

#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "sysutil/WorkerThread_win.h"

namespace {

constexpr int kFirstVoiceResource = 100;

// The clip the next VoiceThread plays; written before the thread starts.
int MVoice = 0;

void VoiceThreadExecute()
{
    const std::wstring name = L"#" + std::to_wstring(kFirstVoiceResource + MVoice);
    PlaySoundW(name.c_str(), nullptr, SND_RESOURCE);
}

} // namespace

void PlayVoiceClipAndWait(int clip)
{
    MVoice = clip;
    RunOnWorkerAndWait(VoiceThreadExecute);
}
