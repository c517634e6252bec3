// The framework's entry point: run the application object's InitInstance and end.
// The common controls are prepared only before the first window: a command-line switch makes none.
#include "framework/WinApp.h"
#include "framework/SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    RestrictDllSearchToSystemFolder();
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
