// The framework's entry point: run the application object's InitInstance and end.
#include "framework/WinApp.h"

#include <commctrl.h>

#include <cstdlib>

// The library's default handler for an unhandled exception writes the exception's demangled type
// to the console: a window program has none, and it drags the whole demangler and the formatted
// printing into the executable (about a fifth of the 32-bit file). This program just ends.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
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
