// The sound at the end of a burn job.
#include "app/BurnDlg.h"

#include <string>

#include "platform/Sound.h"
#include "settings/AudioSettings.h"

void CBurnDlg::PlayJobSound(int result) {
    const std::string sound = m_pAudioDlg->SoundForJobResult(result);
    if (!sound.empty())
        (void)platform::SystemSound().PlayFileAsync(sound);
}
