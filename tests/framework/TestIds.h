// Ids of the dialogs of FrameworkTest.rc, which both dialog hosts run.
#pragma once

#define IDD_FW_TEST 300
#define IDD_FW_CHILD 301
#define IDR_FW_MENU 302
#define IDC_FW_NAME 1001
#define IDC_FW_COUNT 1002
#define IDC_FW_FLAG 1003
#define IDC_FW_MODE_A 1004
#define IDC_FW_MODE_B 1005
#define IDC_FW_MODE_C 1006
#define IDC_FW_OTHER 1007
#define IDC_FW_SPEED 1008
#define IDC_FW_LOG 1009
#define IDC_FW_PROGRESS 1010
#define IDC_FW_ABORT 1012
#define ID_FW_FLAGS 40001
#define ID_FW_SAVE 40002
