#include "res/MainDialogTemplate.h"

#include <array>

#include "res/TextIds.h"
#include "res/resource.h"

namespace bbres {
namespace {

using K = ControlKind;
#define CTL(id, ...) ControlTemplate{id, #id, __VA_ARGS__}

// In tab order, as the .rc lists them.
// clang-format off
constexpr std::array kMainControls = {
    //  id                       kind            caption                               x    y    cx   cy   disabled group  text, tooltip, icon
    CTL(IDC_RECORDER_GROUP,    K::GroupBox,     "Recorder Settings",                    7,   3, 303,  64, false, false, kTxtRecorderGroup, 0, 0),
    CTL(IDC_DEVICES_CAPTION,   K::Label,        "Devices:",                            15,  15,  46,  10, false, false, kTxtDevicesLabel, 0, 0),
    CTL(IDC_RECORDER_LIST,     K::DropDownList, "",                                    61,  14, 148,  66, false, false, 0, 0, 0),
    CTL(IDC_MEDIA_DVD,         K::RadioButton,  "&DVD",                               223,  15,  27,  10, false, true, 0, 0, 0),
    CTL(IDC_MEDIA_CD,          K::RadioButton,  "&CD",                                269,  15,  27,  10, false, false, 0, 0, 0),
    CTL(IDC_SPEED_CAPTION,     K::Label,        "Write Speed:",                        15,  32,  46,  11, false, true, kTxtWriteSpeedLabel, 0, 0),
    CTL(IDC_SPEED_LIST,        K::DropDownList, "",                                    61,  31,  82,  62, true,  false, 0, 0, 0),
    CTL(IDC_REFRESH,           K::PushButton,   "",                                   149,  29,  17,  16, false, false, 0, kTxtRefreshTip, IDI_REFRESH),
    CTL(IDC_REALLOCATE,        K::CheckBox,     "Reallocate VIDEO_TS &Structure",      72,  46, 231,   9, false, false, kTxtReallocateBox, 0, 0),
    CTL(IDC_VERIFY,            K::CheckBox,     "&Verify written media",               72,  56, 132,   9, false, false, kTxtVerifyBox, 0, 0),
    CTL(IDC_ERASE_GROUP,       K::GroupBox,     "Erase ReWriteable",                    7,  69, 303,  27, false, false, kTxtEraseGroup, 0, 0),
    CTL(IDC_FULL_ERASE,        K::RadioButton,  "F&ull Erase",                         60,  77,  91,  14, false, true, kTxtFullEraseRadio, 0, 0),
    CTL(IDC_QUICK_ERASE,       K::RadioButton,  "Quic&k Erase",                       158,  77,  85,  14, false, false, kTxtQuickEraseRadio, 0, 0),
    CTL(IDC_ERASE,             K::PushButton,   "E&rase",                             248,  76,  54,  16, false, true, kTxtEraseButton, kTxtEraseTip, IDI_ERASE),
    CTL(IDC_BURN_GROUP,        K::GroupBox,     "Burn DVD",                             7,  97, 303, 107, false, false, kTxtBurnGroup, 0, 0),
    CTL(IDC_SOURCE_CAPTION,    K::Label,        "DVD Root:",                           15, 110,  57,  13, false, false, kTxtDvdRootLabel, 0, 0),
    CTL(IDC_SOURCE_DIR,        K::Edit,         "",                                    72, 110, 170,  13, false, false, 0, 0, 0),
    CTL(IDC_BROWSE,            K::PushButton,   "D&irectory",                         248, 108,  54,  16, false, false, kTxtDirectoryButton, kTxtDirectoryTip, IDI_DIRECTORY),
    CTL(IDC_VOLUME_CAPTION,    K::Label,        "Volume:",                             15, 125,  57,  13, false, false, kTxtVolumeLabel, 0, 0),
    CTL(IDC_VOLUME,            K::Edit,         "",                                    72, 125, 170,  13, false, false, 0, 0, 0),
    CTL(IDC_LENGTH_CAPTION,    K::Label,        "Length:",                            248, 126,  32,  10, false, false, kTxtLengthLabel, 0, 0),
    CTL(IDC_LABEL_LENGTH,      K::Label,        "0",                                  283, 125,  17,  13, false, false, 0, 0, 0),
    CTL(IDC_SHUTDOWN,          K::CheckBox,     "Shutdown &Windows after burning",     72, 140, 219,  11, false, false, kTxtShutdownBox, 0, 0),
    CTL(IDC_SIZE_METER,        K::BitmapStatic, "#5010",                               15, 152,  19,  31, false, false, 0, 0, 0),
    CTL(IDC_BURN,              K::PushButton,   "Bur&n",                               73, 185,  54,  16, true,  false, kTxtBurnButton, kTxtBurnTip, IDI_BURN),
    CTL(IDC_EJECT,             K::PushButton,   "",                                   263, 185,  25,  16, false, false, 0, kTxtEjectTip, IDI_EJECT),
    CTL(IDC_ABORT,             K::PushButton,   "Ab&ort",                             189, 185,  54,  16, true,  false, kTxtAbortButton, kTxtAbortTip, IDI_ABORT),
    CTL(IDC_PROGRESS_GROUP,    K::GroupBox,     "Recording Progress",                   7, 205, 303,  90, false, false, kTxtProgressGroup, 0, 0),
    CTL(IDC_PROGRESS,          K::ProgressBar,  "",                                    14, 216, 266,   8, false, false, 0, 0, 0),
    CTL(IDC_PERCENT,           K::Label,        "Percent",                            283, 216,  24,   9, false, false, 0, 0, 0),
    CTL(IDC_REMAINING_CAPTION, K::Label,        "Time Remaining:",                    146, 225,  54,   9, false, false, kTxtTimeRemainingLabel, 0, 0),
    CTL(IDC_TIME_REMAINING,    K::Label,        "0:00",                               201, 225,  26,   9, false, false, 0, 0, 0),
    CTL(IDC_TOTAL_CAPTION,     K::Label,        "Time Total:",                        240, 225,  40,   9, false, false, kTxtTimeTotalLabel, 0, 0),
    CTL(IDC_TIME_TOTAL,        K::Label,        "0:00",                               280, 225,  26,   9, false, false, 0, 0, 0),
    CTL(IDC_STATIC,            K::Label,        "Log:",                                15, 227,  29,   8, false, false, 0, 0, 0),
    CTL(IDC_LOG,               K::LogEdit,      "",                                    15, 236, 256,  55, false, false, 0, 0, 0),
    CTL(IDC_CLEAR_LOG,         K::PushButton,   "Clear Log",                          277, 250,  28,  24, false, false, 0, kTxtClearLogTip, IDI_CLEAR_LOG),
    CTL(IDC_HELP_BUTTON,       K::PushButton,   "&Help",                               16, 296,  54,  16, false, false, kTxtHelpButton, kTxtHelpTip, IDI_HELP_BUTTON),
    CTL(IDC_SAVE_LOG,          K::PushButton,   "Save &Log",                           93, 296,  54,  16, false, false, kTxtSaveLogButton, kTxtSaveLogTip, IDI_SAVE_LOG),
    CTL(IDC_QUIT,              K::PushButton,   "&Quit",                              170, 296,  54,  16, false, false, kTxtQuitButton, kTxtQuitTip, IDI_QUIT),
    CTL(IDC_ABOUT,             K::PushButton,   "A&bout",                             247, 296,  54,  16, false, false, kTxtAboutButton, kTxtAboutTip, IDI_ABOUT),
    CTL(IDC_STATUS,            K::ReadOnlyEdit, "",                                     0, 314, 318,  12, true,  false, 0, 0, 0),
};
// clang-format on
#undef CTL

constexpr std::array<MenuItemTemplate, 6> kMainMenuItems = {{
    {ID_SETTINGS_FSFLAGS, "Filesystem Flags", kTxtFsFlagsMenu},
    {ID_SETTINGS_OTHER, "Other Settings", kTxtOtherSettingsMenu},
    {ID_SETTINGS_LANGUAGE, "&Language", kTxtLanguageMenu},
    {ID_SETTINGS_AUDIO, "&Audio", kTxtAudio},
    {0, "", 0},
    {ID_SETTINGS_SAVE, "Save Settings", kTxtSaveSettingsMenu},
}};

}  // namespace

const DialogTemplate& MainDialog() {
    static const DialogTemplate dialog{
        IDD_MAIN, "Brenvik Burn", "MS Sans Serif", 8, 318, 326, IDR_MAIN_MENU, kMainControls};
    return dialog;
}

const MenuTemplate& MainMenu() {
    static const MenuTemplate menu{IDR_MAIN_MENU, "Settings", kTxtSettingsMenu, kMainMenuItems};
    return menu;
}

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& c : dialog.controls)
        if (c.id == id && id != IDC_STATIC)
            return &c;
    return nullptr;
}

std::span<const ControlTemplate> RadioGroup(const DialogTemplate& dialog, int firstId) {
    const auto& all = dialog.controls;
    for (size_t i = 0; i < all.size(); ++i) {
        if (all[i].id != firstId)
            continue;
        if (all[i].kind != ControlKind::RadioButton || !all[i].group)
            return {};
        size_t end = i + 1;
        while (end < all.size() && all[end].kind == ControlKind::RadioButton && !all[end].group)
            ++end;
        return all.subspan(i, end - i);
    }
    return {};
}

}  // namespace bbres
