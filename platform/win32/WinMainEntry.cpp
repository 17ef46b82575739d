// WinMain of BrenvikBurn.exe: reads what Windows hands over (the
// command-line tail and the executable's path) and runs the program's
// Windows front end (app/main/WinFrontEnd.cpp) with it.
//
// Built into BrenvikBurn.exe only: nothing else refers to WinMain, so the
// copy in the platform library is never linked into a test.
#include <windows.h>

// Defined by the program's Windows front end.
int BbWinFrontEnd(const char* commandLineTail, const char* modulePath);

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLineTail, int) {
    // The module file name goes into a zeroed 500-byte buffer; a longer path
    // is cut to 499 characters.
    char modulePath[500] = {};
    GetModuleFileNameA(nullptr, modulePath, sizeof modulePath - 1);
    return BbWinFrontEnd(commandLineTail ? commandLineTail : "", modulePath);
}
