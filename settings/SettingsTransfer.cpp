#include "settings/SettingsTransfer.h"

namespace bb::settings {

BurnSettings CollectSettings(const SettingsHolders& h) {
    BurnSettings s;
    s.device = h.window.device;
    s.mediaType = h.window.mediaType;
    s.fsFlags = h.fsFlags.GetFlags() | (h.window.reallocate ? settings::fsflags::kReallocate : 0);
    s.burnFlags = h.other.GetBurnFlags();
    s.moreFlags = h.other.GetMoreFlags();
    s.speed = h.window.speed;
    s.language = h.window.languageFile;
    s.successWave = h.audio.GetSuccessWave();
    s.errorWave = h.audio.GetErrorWave();
    s.enableAudio = h.audio.IsAudioEnabled();
    s.limitCd = h.other.GetLimitCd();
    s.limitDvd = h.other.GetLimitDvd();
    s.limitCdRed = h.other.GetLimitCdRed();
    s.limitDvdRed = h.other.GetLimitDvdRed();
    s.defaultSourceDir = h.window.sourceDir;
    return s;
}

void DistributeSettings(const BurnSettings& s, const SettingsHolders& h) {
    h.window.device = s.device;
    // DVD for 0, CD for anything else: the radio pair, the recorder list and
    // the size limits then all see the same media class.
    h.window.mediaType = s.mediaType == 0 ? 0 : 1;
    h.fsFlags.SetFlags(s.fsFlags);
    h.window.reallocate = (s.fsFlags & settings::fsflags::kReallocate) ? 1 : 0;
    h.other.SetBurnFlags(s.burnFlags);
    h.other.SetMoreFlags(s.moreFlags);
    h.window.speed = s.speed;
    h.window.languageFile = s.language;
    h.audio.SetSuccessWave(s.successWave);
    h.audio.SetErrorWave(s.errorWave);
    h.audio.SetAudioEnabled(s.enableAudio);
    h.other.SetLimitCd(s.limitCd);
    h.other.SetLimitDvd(s.limitDvd);
    h.other.SetLimitCdRed(s.limitCdRed);
    h.other.SetLimitDvdRed(s.limitDvdRed);
    h.window.sourceDir = s.defaultSourceDir;
}

}  // namespace bb::settings
