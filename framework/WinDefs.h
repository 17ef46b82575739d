// The Win32 numbers the dialogs speak: message box types and results, show
// states, keys, notification codes. Portable code uses these names; they carry
// the Win32 values so a dialog means the same thing on every host.
//
// Each name is defined only when <windows.h> has not defined it already, and a
// later <windows.h> silently replaces ours with the same value, so the
// order of includes in win32/ files does not matter.
#pragma once

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
// The same typedefs as <windows.h>; repeating a typedef is allowed.
typedef int BOOL;
typedef unsigned int UINT;

#ifndef INFINITE
#define INFINITE 0xffffffff
#endif

// Message box buttons, icons and default button (combine with |).
#ifndef MB_OK
#define MB_OK 0x00000000
#endif
#ifndef MB_OKCANCEL
#define MB_OKCANCEL 0x00000001
#endif
#ifndef MB_YESNOCANCEL
#define MB_YESNOCANCEL 0x00000003
#endif
#ifndef MB_YESNO
#define MB_YESNO 0x00000004
#endif
#ifndef MB_ICONERROR
#define MB_ICONERROR 0x00000010
#endif
#ifndef MB_ICONQUESTION
#define MB_ICONQUESTION 0x00000020
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030
#endif
#ifndef MB_ICONINFORMATION
#define MB_ICONINFORMATION 0x00000040
#endif
#ifndef MB_DEFBUTTON1
#define MB_DEFBUTTON1 0x00000000
#endif
#ifndef MB_DEFBUTTON2
#define MB_DEFBUTTON2 0x00000100
#endif
#ifndef MB_DEFBUTTON3
#define MB_DEFBUTTON3 0x00000200
#endif

// Message box results and the standard button ids.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDYES
#define IDYES 6
#endif
#ifndef IDNO
#define IDNO 7
#endif

// Window show states.
#ifndef SW_HIDE
#define SW_HIDE 0
#endif
#ifndef SW_SHOWNORMAL
#define SW_SHOWNORMAL 1
#endif
#ifndef SW_SHOWMINIMIZED
#define SW_SHOWMINIMIZED 2
#endif
#ifndef SW_SHOW
#define SW_SHOW 5
#endif
#ifndef SW_MINIMIZE
#define SW_MINIMIZE 6
#endif
#ifndef SW_RESTORE
#define SW_RESTORE 9
#endif

// Check box states.
#ifndef BST_UNCHECKED
#define BST_UNCHECKED 0x0000
#endif
#ifndef BST_CHECKED
#define BST_CHECKED 0x0001
#endif
#ifndef BST_INDETERMINATE
#define BST_INDETERMINATE 0x0002
#endif

// Notification codes carried by a command.
#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef CBN_SELCHANGE
#define CBN_SELCHANGE 1
#endif
#ifndef EN_SETFOCUS
#define EN_SETFOCUS 0x0100
#endif
#ifndef EN_KILLFOCUS
#define EN_KILLFOCUS 0x0200
#endif
#ifndef EN_CHANGE
#define EN_CHANGE 0x0300
#endif

#ifndef CB_ERR
#define CB_ERR (-1)
#endif

// Virtual keys the dialogs look at.
#ifndef VK_TAB
#define VK_TAB 0x09
#endif
#ifndef VK_RETURN
#define VK_RETURN 0x0D
#endif
#ifndef VK_SHIFT
#define VK_SHIFT 0x10
#endif
#ifndef VK_CONTROL
#define VK_CONTROL 0x11
#endif
#ifndef VK_MENU
#define VK_MENU 0x12
#endif
#ifndef SC_CLOSE
#define SC_CLOSE 0xF060
#endif
#ifndef VK_ESCAPE
#define VK_ESCAPE 0x1B
#endif
#ifndef VK_F4
#define VK_F4 0x73
#endif
