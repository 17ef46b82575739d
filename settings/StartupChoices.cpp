#include "settings/StartupChoices.h"

#include "settings/OtherSettings.h"
#include "settings/SettingsFlags.h"

namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (FoldAscii(text[i]) != FoldAscii(prefix[i]))
            return false;
    return true;
}

}  // namespace

std::string EffectiveLanguageFile(const std::string& stored) {
    return stored.size() < 5 ? kDefaultLanguageFile : stored;
}

int RecorderIndexFor(const std::string& device, const std::vector<std::string>& entries) {
    if (entries.empty())
        return -1;
    if (!device.empty())
        for (size_t i = 0; i < entries.size(); ++i)
            if (StartsWithNoCase(entries[i], device))
                return static_cast<int>(i);
    return 0;
}

int SpeedIndexFor(int speed, int count) {
    if (count <= 0)
        return -1;
    return speed >= 0 && speed < count ? speed : count - 1;
}

bool VerifyBoxFromBurnFlags(uint32_t burnFlags) { return (burnFlags & burnflags::kVerify) != 0; }

std::pair<int, int> LimitsForMediaType(int mediaType, const COtherSettings& other) {
    if (mediaType == 0)
        return {other.GetLimitDvd(), other.GetLimitDvdRed()};
    return {other.GetLimitCd(), other.GetLimitCdRed()};
}
