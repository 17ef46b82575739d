#include "settings/StartupChoices.h"

#include "settings/SettingsFlags.h"

namespace bb::settings {

std::string EffectiveLanguageFile(const std::string& stored) {
    return stored.size() < 5 ? kDefaultLanguageFile : stored;
}

bool VerifyBoxFromBurnFlags(uint32_t burnFlags) { return (burnFlags & settings::burnflags::kVerify) != 0; }

}  // namespace bb::settings
