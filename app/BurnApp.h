// The application object: runs the main window as a modal dialog and ends
// the process when it closes.
#pragma once

#include "framework/CWinApp.h"

class CBurnApp : public CWinApp {
public:
    CBurnApp();
    BOOL InitInstance() override;
};
