// The settings file "Brenvik.ini": one "Key: value" line per setting, made
// from the language text 566 and read back key by key.
//
// The same bytes are written by both builds (CR LF line ends; paths are just
// text), and both builds read files with LF or CR LF line ends.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "settings/BurnSettings.h"

namespace bb::settings {

class LanguageTable;

}  // namespace bb::settings

namespace bb::platform {
class Files;
}

namespace bb::settings {

constexpr const char* kSettingsFileName = "Brenvik.ini";
// Lines are read in pieces of at most this many characters; each piece
// counts as a line of its own.
constexpr size_t kSettingsPieceLength = 254;

// The settings file of the program folder.
std::string SettingsFilePath(const std::string& programDir);

// Reads the file at `path` into `settings`; only the keys the file holds
// change (a key given twice takes the later value). 0 when the file was
// read, -1 when it could not be opened (nothing changed then).
[[nodiscard]] int LoadSettings(const std::string& path, BurnSettings& settings);
[[nodiscard]] int LoadSettings(platform::Files& files, const std::string& path,
                               BurnSettings& settings);

// Applies the lines of a settings file (without their line ends) to
// `settings`: comment lines ("#" first) and unknown lines are skipped.
void ApplySettingsLines(const std::vector<std::string>& lines, BurnSettings& settings);

// The file's content: `tmpl` (text 566) formatted with the time text and the
// fifteen values in file order; line ends are "\n".
std::string FormatSettingsText(const std::string& tmpl, const std::string& timeText,
                               const BurnSettings& settings);

// Writes the file at `path` from the template text 566 of `texts`, stamped
// with `now`. The old file is replaced only by a complete new one: a failed
// write (full disk, no permission) leaves it as it was. False on failure.
[[nodiscard]] bool SaveSettings(const std::string& path, const BurnSettings& settings,
                                const LanguageTable& texts, std::time_t now);
[[nodiscard]] bool SaveSettings(platform::Files& files, const std::string& path,
                                const BurnSettings& settings, const std::string& tmpl,
                                std::time_t now);

}  // namespace bb::settings
