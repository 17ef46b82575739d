#include "platform/Sound.h"

#include <unistd.h>

#include "platform/NativeServices.h"
#include "platform/posix/Spawn.h"

namespace bb::platform {
namespace {

// ALSA's player first, the PulseAudio/PipeWire one otherwise; no player
// means no sound, which is not an error.
class PlayerSound final : public Sound {
public:
    bool PlayFileAsync(const std::string& path) override {
        if (access(path.c_str(), R_OK) != 0)
            return false;
        if (std::string aplay = FindProgram("aplay"); !aplay.empty())
            return SpawnDetached({aplay, "-q", path});
        if (std::string paplay = FindProgram("paplay"); !paplay.empty())
            return SpawnDetached({paplay, path});
        return false;
    }
};

}  // namespace

Sound& NativeSound() {
    static PlayerSound sound;
    return sound;
}

}  // namespace bb::platform
