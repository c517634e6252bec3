// The application object: one global instance whose InitInstance is the whole run.
#pragma once
#include <windows.h>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returning false ends the process without entering a message loop.
    virtual BOOL InitInstance();

    // The window that owns the framework's dialogs and shell requests; none in a window-less run.
    HWND m_hMainWnd = nullptr;

    static CWinApp* Current();
};

// The module the program's resources come from.
HINSTANCE AppInstance();
