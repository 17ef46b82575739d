#include "platform/Sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/NativeServices.h"

namespace bb::platform {
namespace {

class Win32Sound final : public Sound {
public:
    bool PlayFileAsync(const std::string& path) override {
        // SND_NODEFAULT: without it a missing or unreadable file plays the
        // system's default sound instead of staying silent.
        return PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != 0;
    }
};

}  // namespace

Sound& NativeSound() {
    static Win32Sound sound;
    return sound;
}

}  // namespace bb::platform
