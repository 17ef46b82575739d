// The Win32 dialog host: each dialog is a real window made from its resource
// template in the executable. Built into the Windows build only.
//
// WinMain calls InstallWin32DialogHosts() once; from then on CDialog::DoModal
// creates its window with CreateDialogParamA and runs its own modal loop, so
// every message passes the dialog's PreTranslateMessage before
// IsDialogMessage sees it.
#pragma once

#include <memory>

#include "framework/DialogHost.h"

namespace bb::framework { class framework::CDialog; }

namespace bb::platform {

// Messages the dialog hands back to the control they came from, at this
// offset from the original (WM_DRAWITEM, WM_CTLCOLORBTN, and WM_COMMAND for a
// button's BN_CLICKED), so owner-drawn controls paint and react on their own.
inline constexpr unsigned kReflectedMessageBase = 0x2000;

// Initialises the common controls and makes Win32 hosts the dialog host
// factory. Returns the factory it replaced.
framework::DialogHostFactory InstallWin32DialogHosts();

// One host for `dialog`, owned by the window of `owner` (may be null).
std::unique_ptr<framework::DialogHost> CreateWin32DialogHost(framework::CDialog& dialog, framework::DialogHost* owner);

}  // namespace bb::platform
