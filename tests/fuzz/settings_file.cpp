// The settings file: whatever a file holds, reading it, writing the values
// and reading that again gives the same values, and writing once more gives
// the same text.
#include <string>
#include <vector>

#include "settings/BuiltinTexts.h"
#include "settings/SettingsFile.h"
#include "tests/fuzz/FuzzInput.h"

namespace bb::fuzz {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string tmpl = settings::BuiltinText(566);
    settings::BurnSettings read;
    settings::ApplySettingsLines(Lines(std::string(reinterpret_cast<const char*>(data), size)), read);

    const std::string written = settings::FormatSettingsText(tmpl, "Mon Dec  7 12:00:00 2026", read);
    settings::BurnSettings again;
    settings::ApplySettingsLines(Lines(written), again);
    // FSFlags is read as strtol reads hexadecimal, saturating above 7FFFFFFF,
    // and written with %X: a negative value (only a hand-edited file holds
    // one) comes back as 7FFFFFFF. The file has always been read that way.
    if (read.fsFlags < 0) {
        BB_FUZZ_CHECK(again.fsFlags == 0x7FFFFFFF);
        again.fsFlags = read.fsFlags;
    }
    BB_FUZZ_CHECK(again == read);
    if (read.fsFlags >= 0)
        BB_FUZZ_CHECK(settings::FormatSettingsText(tmpl, "Mon Dec  7 12:00:00 2026", again) == written);
    return 0;
}

}  // namespace bb::fuzz
