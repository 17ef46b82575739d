// Resource ids of the program: dialog templates, the main window's controls,
// its menu commands, icons, cursor and bitmaps. Read by the resource compiler
// as well as by C++, so this file holds #defines only.
#pragma once

// --- dialog templates ---------------------------------------------------------
#define IDD_ABOUT               100
#define IDD_MAIN                101
#define IDD_FSFLAGS             117
#define IDD_OTHER_SETTINGS      121
#define IDD_SHUTDOWN            123
#define IDD_LANGUAGE            764
#define IDD_AUDIO               5002

// --- menu of the main window and its commands -----------------------------------
#define IDR_MAIN_MENU           118
#define ID_SETTINGS_FSFLAGS     40001
#define ID_SETTINGS_SAVE        40002
#define ID_SETTINGS_OTHER       40003
#define ID_SETTINGS_LANGUAGE    40004
#define ID_SETTINGS_AUDIO       40005

// The item appended to the system menu (About), and the class library's
// standard Help command.
#define IDM_ABOUTBOX            0x0010
#define ID_HELP_COMMAND         0xE146

// --- icons, cursor, bitmaps -------------------------------------------------------
#define IDI_MAIN                102
#define IDI_DIRECTORY           107
#define IDI_BURN                108
#define IDI_QUIT                110
#define IDI_ABORT               111
#define IDI_HELP_BUTTON         112
#define IDI_ABOUT               113
#define IDI_SAVE_LOG            116
#define IDI_ERASE               119
#define IDI_REFRESH             120
#define IDI_CLEAR_LOG           754
#define IDI_EJECT               5008
#define IDCUR_HAND              109
#define IDB_SIZE_METER          5010
#define IDB_LOGO                104

// --- controls of the main window (template IDD_MAIN) -------------------------------
#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif
#define IDC_QUIT                2       // the dialog's Cancel button
#define IDC_SOURCE_DIR          1002
#define IDC_BROWSE              1004
#define IDC_HELP_BUTTON         1006
#define IDC_STATUS              1007
#define IDC_ABOUT               1013
#define IDC_VOLUME              1027
#define IDC_RECORDER_LIST       1029
#define IDC_PROGRESS            1030
#define IDC_BURN                1031
#define IDC_ABORT               1032
#define IDC_LOG                 1033
#define IDC_FULL_ERASE          1036
#define IDC_QUICK_ERASE         1038
#define IDC_ERASE               1039
#define IDC_MEDIA_DVD           1040
#define IDC_MEDIA_CD            1041
#define IDC_REALLOCATE          1043
#define IDC_SPEED_LIST          1046
#define IDC_TIME_REMAINING      1047
#define IDC_TIME_TOTAL          1048
#define IDC_PERCENT             1050
#define IDC_SAVE_LOG            1053
#define IDC_REFRESH             1061
#define IDC_VERIFY              1065
#define IDC_SHUTDOWN            1068
#define IDC_CLEAR_LOG           1077
#define IDC_RECORDER_GROUP      1078
#define IDC_ERASE_GROUP         1079
#define IDC_BURN_GROUP          1080
#define IDC_PROGRESS_GROUP      1081
#define IDC_DEVICES_CAPTION     1082
#define IDC_SPEED_CAPTION       1083
#define IDC_SOURCE_CAPTION      1084
#define IDC_VOLUME_CAPTION      1085
#define IDC_REMAINING_CAPTION   1086
#define IDC_TOTAL_CAPTION       1087
#define IDC_LABEL_LENGTH        1104
#define IDC_LENGTH_CAPTION      1105
#define IDC_EJECT               1118
#define IDC_SIZE_METER          1119

// --- the stand-by notice before a shutdown (template IDD_SHUTDOWN) ------------------
#define IDC_SHUTDOWN_TEXT       1069

// --- the About box (template IDD_ABOUT) ----------------------------------------------
#define IDC_ABOUT_VERSION       1013    // group box: its caption is the version line
#define IDC_ABOUT_CONTACT       1070
#define IDC_ABOUT_THANKS        1071
#define IDC_ABOUT_MAIL          1072
#define IDC_ABOUT_HOMEPAGE      1073
#define IDC_ABOUT_TRANSLATION   1103

// --- Filesystem Flags (template IDD_FSFLAGS) ------------------------------------------
#define IDC_FS_UDF              1054
#define IDC_FS_JOLIET           1055
#define IDC_FS_ISO9660          1056
#define IDC_FS_MODE2            1057
#define IDC_FS_PRESET_DVD       1058
#define IDC_FS_PRESET_CD        1059

// --- Other Settings (template IDD_OTHER_SETTINGS) -------------------------------------
#define IDC_OS_BURN_PROOF       1062
#define IDC_OS_SIMULATE         1063
#define IDC_OS_NO_EJECT         1064
#define IDC_OS_VERIFY           1065
#define IDC_OS_NO_OVERWRITE_ASK 1074
#define IDC_OS_DVDROM_BOOKTYPE  1075
#define IDC_OS_MORE_GROUP       1107
#define IDC_OS_FORCE_SHUTDOWN   1108
#define IDC_OS_LABEL16          1109
#define IDC_OS_IGNORE_SIZE      1113
#define IDC_OS_LIMITS_GROUP     1114
#define IDC_OS_LIMIT_CD         1115
#define IDC_OS_LIMIT_DVD        1116
#define IDC_OS_RESET            1117
#define IDC_OS_LIMIT_CD_RED     1118
#define IDC_OS_LIMIT_DVD_RED    1119
#define IDC_OS_YELLOW_GROUP     1120
#define IDC_OS_RED_GROUP        1121

// --- Language (template IDD_LANGUAGE) --------------------------------------------------
#define IDC_LANG_GROUP          1088
#define IDC_LANG_LIST           1089

// --- Audio (template IDD_AUDIO) ----------------------------------------------------------
#define IDI_WAV                 5003
#define IDI_PLAY                5005
#define IDC_AUDIO_SUCCESS_PATH  1095
#define IDC_AUDIO_SUCCESS_WAV   1096
#define IDC_AUDIO_SUCCESS_LABEL 1097
#define IDC_AUDIO_ERROR_PATH    1098
#define IDC_AUDIO_ERROR_WAV     1099
#define IDC_AUDIO_ERROR_LABEL   1100
#define IDC_AUDIO_GROUP         1101
#define IDC_AUDIO_SUCCESS_PLAY  1102
#define IDC_AUDIO_ERROR_PLAY    1103
#define IDC_AUDIO_ENABLE        1106

// Language text ids (numbers 500 to 832); C++ only.
#ifndef RC_INVOKED
#include "res/TextIds.h"
#endif
