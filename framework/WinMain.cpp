// The framework's entry point: run the application object's InitInstance and end.
#include "framework/WinApp.h"
#include "framework/SystemLibrary.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RestrictDllSearchToSystemFolder();
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_WIN95_CLASSES | ICC_LINK_CLASS;
    InitCommonControlsEx(&controls);
    CWinApp* app = CWinApp::Current();
    if (app == nullptr) return 1;
    try {
        // The program has no message loop of its own: every run ends after InitInstance.
        app->InitInstance();
    } catch (...) {
        return 1;
    }
    return 0;
}
