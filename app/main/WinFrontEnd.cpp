// The Windows front end: the main window as a real dialog from the resource
// template, on the Win32 host.
#include "app/BurnApp.h"
#include "app/MinimisedIcon.h"
#include "platform/DialogHostWin32.h"
#include "platform/win32/MinimisedPaint.h"

namespace {
CBurnApp theApp;
}  // namespace

int BbWinFrontEnd(const char* commandLineTail, const char* modulePath) {
    platform::InstallWin32DialogHosts();
    app::SetMinimisedIconPainter(&platform::PaintIconWhenMinimised);
    return theApp.Start(commandLineTail, modulePath);
}
