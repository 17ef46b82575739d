#include "settings/AudioSettings.h"

namespace bb::settings {

namespace {

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::string CAudioSettings::SoundForJobResult(int result) const {
    if (m_bEnableAudio == 0)
        return std::string();
    const std::string& path = result == 0 ? m_strSuccessWave : m_strErrorWave;
    const size_t dot = path.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    return LowerAscii(extension) == "wav" ? path : std::string();
}

}  // namespace bb::settings
