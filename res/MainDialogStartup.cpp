// What the .rc cannot say about the main window: the language text, tooltip
// and icon each control gets at start-up, and the language texts of the menu.
// Keyed by control id and command; the template itself comes from the script.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "res/MainDialogTemplate.h"
#include "res/TextIds.h"
#include "res/resource.h"

namespace bb::res {
namespace {

struct ControlStartup {
    int id;
    int textId;
    int tooltipId;
    int iconId;
};

// clang-format off
constexpr ControlStartup kControlStartup[] = {
    //  control                 text                    tooltip            icon
    {IDC_RECORDER_GROUP,    kTxtRecorderGroup,      0,                 0},
    {IDC_DEVICES_CAPTION,   kTxtDevicesLabel,       0,                 0},
    {IDC_SPEED_CAPTION,     kTxtWriteSpeedLabel,    0,                 0},
    {IDC_REFRESH,           0,                      kTxtRefreshTip,    IDI_REFRESH},
    {IDC_REALLOCATE,        kTxtReallocateBox,      0,                 0},
    {IDC_VERIFY,            kTxtVerifyBox,          0,                 0},
    {IDC_ERASE_GROUP,       kTxtEraseGroup,         0,                 0},
    {IDC_FULL_ERASE,        kTxtFullEraseRadio,     0,                 0},
    {IDC_QUICK_ERASE,       kTxtQuickEraseRadio,    0,                 0},
    {IDC_ERASE,             kTxtEraseButton,        kTxtEraseTip,      IDI_ERASE},
    {IDC_BURN_GROUP,        kTxtBurnGroup,          0,                 0},
    {IDC_SOURCE_CAPTION,    kTxtDvdRootLabel,       0,                 0},
    {IDC_BROWSE,            kTxtDirectoryButton,    kTxtDirectoryTip,  IDI_DIRECTORY},
    {IDC_VOLUME_CAPTION,    kTxtVolumeLabel,        0,                 0},
    {IDC_LENGTH_CAPTION,    kTxtLengthLabel,        0,                 0},
    {IDC_SHUTDOWN,          kTxtShutdownBox,        0,                 0},
    {IDC_BURN,              kTxtBurnButton,         kTxtBurnTip,       IDI_BURN},
    {IDC_EJECT,             0,                      kTxtEjectTip,      IDI_EJECT},
    {IDC_ABORT,             kTxtAbortButton,        kTxtAbortTip,      IDI_ABORT},
    {IDC_PROGRESS_GROUP,    kTxtProgressGroup,      0,                 0},
    {IDC_REMAINING_CAPTION, kTxtTimeRemainingLabel, 0,                 0},
    {IDC_TOTAL_CAPTION,     kTxtTimeTotalLabel,     0,                 0},
    {IDC_CLEAR_LOG,         0,                      kTxtClearLogTip,   IDI_CLEAR_LOG},
    {IDC_HELP_BUTTON,       kTxtHelpButton,         kTxtHelpTip,       IDI_HELP_BUTTON},
    {IDC_SAVE_LOG,          kTxtSaveLogButton,      kTxtSaveLogTip,    IDI_SAVE_LOG},
    {IDC_QUIT,              kTxtQuitButton,         kTxtQuitTip,       IDI_QUIT},
    {IDC_ABOUT,             kTxtAboutButton,        kTxtAboutTip,      IDI_ABOUT},
};
// clang-format on

struct MenuText {
    int command;
    int textId;
};

constexpr MenuText kMenuTexts[] = {
    {ID_SETTINGS_FSFLAGS, kTxtFsFlagsMenu},   {ID_SETTINGS_OTHER, kTxtOtherSettingsMenu},
    {ID_SETTINGS_LANGUAGE, kTxtLanguageMenu}, {ID_SETTINGS_AUDIO, kTxtAudio},
    {ID_SETTINGS_SAVE, kTxtSaveSettingsMenu},
};

// A table row whose control or command the script does not have is a fault
// of this file; the program stops at once rather than start without a text.
[[noreturn]] void Stale(const char* what, int id) {
    std::fprintf(stderr, "res/MainDialogStartup.cpp: %s %d is not in BrenvikBurn.rc\n", what, id);
    std::abort();
}

const DialogTemplate& Script(int id) {
    const DialogTemplate* d = FindDialog(id);
    if (!d) Stale("dialog", id);
    return *d;
}

std::vector<ControlTemplate> MainControls() {
    const DialogTemplate& script = Script(IDD_MAIN);
    std::vector<ControlTemplate> controls(script.controls.begin(), script.controls.end());
    for (const ControlStartup& s : kControlStartup) {
        ControlTemplate* c = nullptr;
        for (ControlTemplate& candidate : controls)
            if (candidate.id == s.id) c = &candidate;
        if (!c) Stale("control", s.id);
        c->textId = s.textId;
        c->tooltipId = s.tooltipId;
        c->iconId = s.iconId;
    }
    return controls;
}

std::vector<MenuItemTemplate> MainMenuItems(const MenuTemplate& script) {
    std::vector<MenuItemTemplate> items(script.items.begin(), script.items.end());
    for (const MenuText& t : kMenuTexts) {
        MenuItemTemplate* item = nullptr;
        for (MenuItemTemplate& candidate : items)
            if (candidate.command == t.command) item = &candidate;
        if (!item) Stale("menu command", t.command);
        item->textId = t.textId;
    }
    return items;
}

}  // namespace

const DialogTemplate& MainDialog() {
    static const std::vector<ControlTemplate> controls = MainControls();
    static const DialogTemplate dialog = [] {
        DialogTemplate d = Script(IDD_MAIN);
        d.controls = controls;
        return d;
    }();
    return dialog;
}

const MenuTemplate& MainMenu() {
    static const MenuTemplate* script = FindMenu(IDR_MAIN_MENU);
    if (!script) Stale("menu", IDR_MAIN_MENU);
    static const std::vector<MenuItemTemplate> items = MainMenuItems(*script);
    static const MenuTemplate menu{script->id, script->popupCaption, kTxtSettingsMenu, items};
    return menu;
}

}  // namespace bb::res
