#include "settings/BuiltinTexts.h"

#include "res/TextIds.h"

namespace bb::settings {
namespace {

struct BuiltinEntry {
    int id;
    const char* text;
};

// The settings file template: the header's time text brings its own line
// end (ctime form), every other line ends here. Keys and their order are what
// the settings reader matches.
constexpr const char kSettingsTemplate[] =
    "######################################################\n"
    "# Brenvik ini file, created: %s"
    "######################################################\n"
    "Device: %s\n"
    "MediaType: %d\n"
    "FSFlags: %X\n"
    "BurnFlags: %X\n"
    "MoreFlags: %X\n"
    "Speed: %d\n"
    "Language: %s\n"
    "SuccessWave: %s\n"
    "ErrorWave: %s\n"
    "EnableAudio: %d\n"
    "LimitCD: %d\n"
    "LimitDVD: %d\n"
    "LimitCDRed: %d\n"
    "LimitDVDRed: %d\n"
    "DefaultSourceDir: %s\n";

// Plain ASCII: these are shown as single-byte text in any code page.
constexpr BuiltinEntry kBuiltins[] = {
    {res::kTxtContactMail, "mailto:burn@brenvik.example?subject=Brenvik Burn"},
    {res::kTxtHomePage, "https://www.brenvik.example/burn/"},
    {res::kTxtSettingsTemplate, kSettingsTemplate},
    {res::kTxtNameAndCredit, "Brenvik Burn 1.2.1 - (c) 2005 Brenvik Software, burn@brenvik.example"},
};

}  // namespace

const char* BuiltinText(int id) {
    for (const BuiltinEntry& entry : kBuiltins)
        if (entry.id == id)
            return entry.text;
    return nullptr;
}

}  // namespace bb::settings
