#include "settings/StartupChoices.h"

#include "settings/SettingsFlags.h"

std::string EffectiveLanguageFile(const std::string& stored) {
    return stored.size() < 5 ? kDefaultLanguageFile : stored;
}

bool VerifyBoxFromBurnFlags(uint32_t burnFlags) { return (burnFlags & burnflags::kVerify) != 0; }
