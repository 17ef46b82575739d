// The Windows front end: the main window as a real dialog from the resource
// template, on the Win32 host.
#include "app/BurnApp.h"

namespace {
CBurnApp theApp;
}  // namespace

int BbWinFrontEnd(const char* commandLineTail, const char* modulePath) {
    // WIN32 HOST: install the Win32 dialog host factory here once it lands.
    return theApp.Start(commandLineTail, modulePath);
}
