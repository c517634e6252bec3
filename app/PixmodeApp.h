// The application object: its InitInstance is the whole program.
#pragma once
#include "framework/WinApp.h"

class CPixmodeApp : public CWinApp {
public:
    // Option U: command-line changes are stored, and the main dialog starts with
    // "Change Permanent" checked.
    bool updateRegistry = false;

    BOOL InitInstance() override;
};
