// What start-up makes of the values read from the settings file.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class COtherSettings;

constexpr const char* kDefaultLanguageFile = "english.lng";

// The stored language file name, or "english.lng" when it has fewer than 5
// characters.
std::string EffectiveLanguageFile(const std::string& stored);

// Index of the recorder entry to select: the first entry when `device` is
// empty or no entry begins with it (letter case ignored), else the first
// entry that does. -1 for an empty list.
int RecorderIndexFor(const std::string& device, const std::vector<std::string>& entries);

// Index of the speed entry to select: `speed` when 0 <= speed < count, else
// the last entry. -1 for an empty list.
int SpeedIndexFor(int speed, int count);

// The main window's "Verify written media" box follows BurnFlags bit 0x400.
bool VerifyBoxFromBurnFlags(uint32_t burnFlags);

// The yellow and red size limits (MB) of the media class: DVD for 0, CD
// for anything else.
std::pair<int, int> LimitsForMediaType(int mediaType, const COtherSettings& other);
