// Ids of FixtureScript.rc.
#pragma once

#define IDD_FIXTURE 10
#define IDD_EMPTY 11
#define IDR_FIXTURE_MENU 20
#define IDC_ONE 1001
#define IDC_TWO 1002
#define IDC_LIST 1003
#define IDC_TEXT 1004
#define IDM_OPEN 2001
#define IDM_CLOSE 2002
