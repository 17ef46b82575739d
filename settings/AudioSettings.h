// The values of the audio dialog: the sounds played when a burn job ends
// and the switch that enables them.
//
// The main window keeps one instance for its whole life; the settings file
// and the end of the burn job use it while the dialog is closed. The dialog
// window works on an instance it is given and sets m_bChanged on OK.
#pragma once

#include <cstdint>
#include <string>

namespace bb::settings {

class LanguageTable;

class CAudioSettings {
public:
    explicit CAudioSettings(const LanguageTable& texts) : m_texts(texts) {}

    std::string GetSuccessWave() const { return m_strSuccessWave; }
    std::string GetErrorWave() const { return m_strErrorWave; }
    void SetSuccessWave(const std::string& path) { m_strSuccessWave = path; }
    void SetErrorWave(const std::string& path) { m_strErrorWave = path; }
    int IsAudioEnabled() const { return m_bEnableAudio; }
    void SetAudioEnabled(int enabled) { m_bEnableAudio = enabled; }

    // The sound to play after a burn job with this result (0 = success):
    // empty when audio is off or the file's extension is not "wav" in any
    // letter case. The extension is the text after the last "." of the
    // whole path, folders included.
    std::string SoundForJobResult(int result) const;
    // The dialog's Play buttons try any path of more than 4 characters.
    static bool IsPlayablePreview(const std::string& path) { return path.size() > 4; }

    const LanguageTable& Texts() const { return m_texts; }

    std::string m_strSuccessWave;
    std::string m_strErrorWave;
    int32_t m_bEnableAudio = 0;
    uint8_t m_bChanged = 0;

private:
    const LanguageTable& m_texts;
};

}  // namespace bb::settings
