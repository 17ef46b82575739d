// What start-up makes of the values read from the settings file.
#pragma once

#include <cstdint>
#include <string>

namespace bb::settings {

constexpr const char* kDefaultLanguageFile = "english.lng";

// The stored language file name, or "english.lng" when it has fewer than 5
// characters.
std::string EffectiveLanguageFile(const std::string& stored);

// The main window's "Verify written media" box follows BurnFlags bit 0x400.
bool VerifyBoxFromBurnFlags(uint32_t burnFlags);

}  // namespace bb::settings
