#pragma once

// Speaks voice clip n (resource 100 + n of type WAVE) on a VoiceThread and waits
// until it has ended.
void PlayVoiceClipAndWait(int clip);
