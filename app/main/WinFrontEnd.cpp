// The Windows front end: the main window as a real dialog from the resource
// template, on the Win32 host.
#include "app/BurnApp.h"
#include "app/MinimisedIcon.h"
#include "platform/DialogHostWin32.h"
#include "platform/win32/MinimisedPaint.h"

namespace bb::app {

namespace {
CBurnApp theApp;
}  // namespace

}  // namespace bb::app

int BbWinFrontEnd(const char* commandLineTail, const char* modulePath) {
    bb::platform::InstallWin32DialogHosts();
    bb::app::SetMinimisedIconPainter(&bb::platform::PaintIconWhenMinimised);
    return bb::app::theApp.Start(commandLineTail, modulePath);
}
