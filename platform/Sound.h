// Playing a sound file without waiting for it.
#pragma once

#include <string>

namespace bb::platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing the .wav file and returns at once. Failures (no such
    // file, not a sound, no player) make no sound and are not reported:
    // the answer only says whether playing was started.
    virtual bool PlayFileAsync(const std::string& path) = 0;
};

// Windows: PlaySoundA(path, null, SND_FILENAME | SND_ASYNC | SND_NODEFAULT),
// so that a missing file is silent rather than the default beep. Elsewhere:
// "aplay -q" or else "paplay" in the background, when one is installed.
Sound& SystemSound();
// Replaces the service for the whole process (null restores the native one).
void SetSystemSound(Sound* replacement);

}  // namespace bb::platform
