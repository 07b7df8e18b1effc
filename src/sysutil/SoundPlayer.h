#pragma once
#include <string>

class FileSystem;

// Sound output: one sound of the program at a time; a new one cuts the last off.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts a WAV file and returns at once; silent when it cannot be played.
    virtual void PlayWaveAsync(const std::u16string& path) = 0;
    // Plays built-in voice clip n (0..13) to its end.
    virtual void PlayVoiceClip(int clip) = 0;
};

// Plays a sound file asynchronously, but only when it exists on a ready drive.
void PlayWaveFile(FileSystem& files, SoundPlayer& sound, const std::u16string& path);
